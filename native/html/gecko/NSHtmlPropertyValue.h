// The one kind of property value the library makes: a small immutable box holding an
// integer, a 64-bit integer, a UTF-16 string, a rectangle or a boolean, tagged with its type
// code. Getters do not convert between kinds.
//
//   CNSHtmlPropertyValue("abc")   type 3, stringLength 3, string u"abc"
//   CNSHtmlPropertyValue(rect)    type 6, rectangle() exactly as given
#ifndef NATIVE_HTML_GECKO_NSHTMLPROPERTYVALUE_H
#define NATIVE_HTML_GECKO_NSHTMLPROPERTYVALUE_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsRect.h"
#include "nsStringAPI.h"

class CNSHtmlPropertyValue final
    : public CHtmlRefCounted<CNSHtmlPropertyValue, IHtmlPropertyValue> {
 public:
  enum TypeCode { INTEGER = 1, LONG = 2, STRING = 3, RECTANGLE = 6, BOOLEAN = 7 };

  explicit CNSHtmlPropertyValue(int value);
  explicit CNSHtmlPropertyValue(unsigned int value);
  explicit CNSHtmlPropertyValue(short value);  // only the low 16 bits are written
  explicit CNSHtmlPropertyValue(long long value);
  explicit CNSHtmlPropertyValue(const nsAString& value);
  explicit CNSHtmlPropertyValue(const char* utf8);  // null gives the empty string
  explicit CNSHtmlPropertyValue(const nsRect& rect);
  explicit CNSHtmlPropertyValue(const nsIntRect& rect);
  explicit CNSHtmlPropertyValue(bool value);

  // A string value whose text `fill(nsString_external&)` writes straight into the value, so a
  // long text is not copied once more; a fill that answers false gives no value (null).
  //
  //   CNSHtmlPropertyValue::filledString([&](nsString_external& s) { return read(s); })
  template <class Fill>
  static CNSHtmlPropertyValue* filledString(Fill fill);

  // IHtmlPropertyValue
  int type() override { return m_type; }
  const unsigned short* string() override;
  unsigned short shortValue() override;
  int intValue() override;
  long long longValue() override;
  float floatValue() override;
  int stringLength() override;
  IHtmlElement* element() override { return nullptr; }
  HtmlRectangle rectangle() override;
  bool booleanValue() override { return m_value[0] != 0; }
  IHtmlObject* object() override { return nullptr; }

 private:
  explicit CNSHtmlPropertyValue(TypeCode type);
  template <class T>
  void store(const T& value);
  template <class T>
  T load() const;
  void storeRectangle(int x, int y, int width, int height);

  int m_type;
  nsString_external m_text;
  unsigned char m_value[16];
};

template <class Fill>
CNSHtmlPropertyValue* CNSHtmlPropertyValue::filledString(Fill fill) {
  CNSHtmlPropertyValue* value = new CNSHtmlPropertyValue(STRING);
  bool filled = false;
  try {
    filled = fill(value->m_text);
  } catch (...) {
    value->release();
    throw;
  }
  if (filled)
    return value;
  value->release();
  return nullptr;
}

#endif
