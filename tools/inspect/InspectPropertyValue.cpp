#include "InspectPropertyValue.h"

#include <cstring>

InspectPropertyValue::InspectPropertyValue(TypeCode type) : m_type(type) {}

InspectPropertyValue::InspectPropertyValue(int value) : InspectPropertyValue(INTEGER) {
  store(value);
}

InspectPropertyValue::InspectPropertyValue(long long value) : InspectPropertyValue(LONG) {
  store(value);
}

InspectPropertyValue::InspectPropertyValue(const std::string& utf8) : InspectPropertyValue(STRING) {
  m_text.Assign(NS_ConvertUTF8toUTF16(utf8.data(), static_cast<PRUint32>(utf8.size())));
}

InspectPropertyValue::InspectPropertyValue(const HtmlRectangle& rectangle)
    : InspectPropertyValue(RECTANGLE) {
  store(rectangle);
}

InspectPropertyValue::InspectPropertyValue(bool value) : InspectPropertyValue(BOOLEAN) {
  m_bytes[0] = value ? 1 : 0;
}

void InspectPropertyValue::release() {
  if (--m_references == 0)
    delete this;
}

const unsigned short* InspectPropertyValue::string() {
  return m_type == STRING ? m_text.get() : nullptr;
}

int InspectPropertyValue::stringLength() {
  return m_type == STRING ? static_cast<int>(m_text.Length()) : 0;
}

unsigned short InspectPropertyValue::shortValue() {
  return load<unsigned short>();
}

int InspectPropertyValue::intValue() {
  return load<int>();
}

long long InspectPropertyValue::longValue() {
  return load<long long>();
}

float InspectPropertyValue::floatValue() {
  return load<float>();
}

HtmlRectangle InspectPropertyValue::rectangle() {
  return load<HtmlRectangle>();
}

template <class T>
void InspectPropertyValue::store(const T& value) {
  static_assert(sizeof(T) <= sizeof(m_bytes), "the value field holds 16 bytes");
  memcpy(m_bytes, &value, sizeof(T));
}

template <class T>
T InspectPropertyValue::load() const {
  T value;
  memcpy(&value, m_bytes, sizeof(T));
  return value;
}
