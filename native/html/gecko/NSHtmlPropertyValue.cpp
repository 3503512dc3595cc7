#include "NSHtmlPropertyValue.h"

#include <cstring>

CNSHtmlPropertyValue::CNSHtmlPropertyValue(TypeCode type) : m_type(type), m_value() {}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(int value) : CNSHtmlPropertyValue(INTEGER) {
  store(value);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(unsigned int value) : CNSHtmlPropertyValue(INTEGER) {
  store(value);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(short value) : CNSHtmlPropertyValue(INTEGER) {
  store(value);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(long long value) : CNSHtmlPropertyValue(LONG) {
  store(value);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(const nsAString& value) : CNSHtmlPropertyValue(STRING) {
  m_text.Assign(value);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(const char* utf8) : CNSHtmlPropertyValue(STRING) {
  if (utf8)
    CopyUTF8toUTF16(nsDependentCString(utf8), m_text);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(const nsRect& rect) : CNSHtmlPropertyValue(RECTANGLE) {
  storeRectangle(rect.x, rect.y, rect.width, rect.height);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(const nsIntRect& rect)
    : CNSHtmlPropertyValue(RECTANGLE) {
  storeRectangle(rect.x, rect.y, rect.width, rect.height);
}

CNSHtmlPropertyValue::CNSHtmlPropertyValue(bool value) : CNSHtmlPropertyValue(BOOLEAN) {
  m_value[0] = value ? 1 : 0;
}

template <class T>
void CNSHtmlPropertyValue::store(const T& value) {
  static_assert(sizeof(T) <= sizeof(m_value), "value field is 16 bytes");
  memcpy(m_value, &value, sizeof(T));
}

template <class T>
T CNSHtmlPropertyValue::load() const {
  T value;
  memcpy(&value, m_value, sizeof(T));
  return value;
}

void CNSHtmlPropertyValue::storeRectangle(int x, int y, int width, int height) {
  const int fields[4] = {x, y, width, height};
  memcpy(m_value, fields, sizeof fields);
}

const unsigned short* CNSHtmlPropertyValue::string() {
  return m_type == STRING ? m_text.get() : nullptr;
}

int CNSHtmlPropertyValue::stringLength() {
  return m_type == STRING ? int(m_text.Length()) : 0;
}

unsigned short CNSHtmlPropertyValue::shortValue() {
  return load<unsigned short>();
}

int CNSHtmlPropertyValue::intValue() {
  return load<int>();
}

long long CNSHtmlPropertyValue::longValue() {
  return load<long long>();
}

float CNSHtmlPropertyValue::floatValue() {
  return load<float>();
}

HtmlRectangle CNSHtmlPropertyValue::rectangle() {
  return load<HtmlRectangle>();
}
