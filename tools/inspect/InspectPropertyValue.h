// A property value the tool makes itself to hand to setProperty: an integer, a 64-bit integer,
// a UTF-16 string, a rectangle or a boolean, tagged with its type code. It behaves as the
// library's own values do, so a setter cannot tell the two apart: the getters read the same
// 16 bytes whatever the kind (intValue() of a 64-bit integer is its low half), string() is
// null and stringLength() 0 unless the value is a string, and there is no element or object.
//
//   CHtmlObjectPtr<IHtmlPropertyValue> value = new InspectPropertyValue(true);  // type 7
//   element->setProperty(".checked", value);
#ifndef TOOLS_INSPECT_INSPECTPROPERTYVALUE_H
#define TOOLS_INSPECT_INSPECTPROPERTYVALUE_H

#include <string>

#include "HtmlObject.h"

class InspectPropertyValue final : public IHtmlPropertyValue {
 public:
  enum TypeCode { INTEGER = 1, LONG = 2, STRING = 3, RECTANGLE = 6, BOOLEAN = 7 };

  // Each starts with one reference, the creator's.
  explicit InspectPropertyValue(int value);
  explicit InspectPropertyValue(long long value);
  explicit InspectPropertyValue(const std::string& utf8);
  explicit InspectPropertyValue(const HtmlRectangle& rectangle);
  explicit InspectPropertyValue(bool value);
  InspectPropertyValue(const InspectPropertyValue&) = delete;
  InspectPropertyValue& operator=(const InspectPropertyValue&) = delete;

  // IHtmlObject
  void addRef() override { ++m_references; }
  void release() override;
  int getReferenceCount() override { return m_references; }

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
  bool booleanValue() override { return m_bytes[0] != 0; }
  IHtmlObject* object() override { return nullptr; }

 private:
  explicit InspectPropertyValue(TypeCode type);
  ~InspectPropertyValue() = default;  // release() deletes
  template <class T>
  void store(const T& value);
  template <class T>
  T load() const;

  int m_references = 1;
  TypeCode m_type;
  nsString_external m_text;
  unsigned char m_bytes[16] = {};
};

#endif
