// One entry of an open drop-down list: an option or option group of the select, with its
// position among the list's entries. Its rectangle and hit-testing are the option's own.
#ifndef NATIVE_HTML_GECKO_NSHTMLCOMBOLISTITEM_H
#define NATIVE_HTML_GECKO_NSHTMLCOMBOLISTITEM_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlCombolistItem final : public CHtmlRefCounted<CNSHtmlCombolistItem, IHtmlElement> {
 public:
  // Takes one reference of `element` (may be null past the end of a list).
  CNSHtmlCombolistItem(IHtmlElement* element, int index);
  ~CNSHtmlCombolistItem();

  // IHtmlElement
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override;
  IHtmlElement* getParent() override;
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override;
  IHtmlElement* getChildAtPoint(int, int) override { return nullptr; }
  // The option's identity plus its parent's low 32 bits shifted up: distinct from the
  // option's own object, stable for the entry.
  long long getObject() override;
  IHtmlEnumerator* getProperties() override { return nullptr; }
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
  bool scrollIntoView() override { return false; }

 private:
  IHtmlElement* m_element;  // one reference, given back in the destructor
  int m_index;
};

#endif
