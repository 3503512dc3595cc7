// A named property value, as property enumerators hand them out: a UTF-16 name (".offsetLeft")
// and the value, of which the property holds one reference.
#ifndef NATIVE_HTML_COMMON_HTMLPROPERTY_H
#define NATIVE_HTML_COMMON_HTMLPROPERTY_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CHtmlProperty final : public CHtmlRefCounted<CHtmlProperty, IHtmlProperty> {
 public:
  // Copies `name` (null counts as empty) and takes its own reference to `value`.
  CHtmlProperty(const unsigned short* name, CHtmlObjectPtr<IHtmlPropertyValue> value);
  ~CHtmlProperty();

  // IHtmlProperty
  const unsigned short* getPropertyName() override { return m_name; }
  IHtmlPropertyValue* getPropertyValue() override { return m_value; }

 private:
  unsigned short* m_name;
  CHtmlObjectPtr<IHtmlPropertyValue> m_value;
};

#endif
