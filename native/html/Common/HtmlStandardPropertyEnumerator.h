// Walks the standard property table for one object and hands out a property for each
// enumerated row the object answers, in table order. An object that answers only ".tag",
// ".class" and ".bounds" yields exactly those three.
#ifndef NATIVE_HTML_COMMON_HTMLSTANDARDPROPERTYENUMERATOR_H
#define NATIVE_HTML_COMMON_HTMLSTANDARDPROPERTYENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

// A property source other than an element: answers a canonical name in its slot 3.
class IActiveXObject : public IHtmlObject {
 public:
  virtual IHtmlPropertyValue* getProperty(const char* canonicalName) = 0;  // slot 3

 protected:
  ~IActiveXObject() = default;
};

class CHtmlStandardPropertyEnumerator
    : public CHtmlRefCounted<CHtmlStandardPropertyEnumerator, IHtmlEnumerator> {
 public:
  // Precondition: `element` is not null. The enumerator holds a reference to it.
  explicit CHtmlStandardPropertyEnumerator(IHtmlElement* element);
  // Precondition: `source` is not null. Kept without a reference.
  explicit CHtmlStandardPropertyEnumerator(IActiveXObject* source);

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override;

  // The next property the object answers, from the current row on; null at the end.
  virtual IHtmlProperty* nextProperty();  // slot 5
  // Wraps a value the object answered under `canonicalName`.
  virtual IHtmlProperty* createProperty(const char* canonicalName,
                                        CHtmlObjectPtr<IHtmlPropertyValue>& value) = 0;  // slot 6
  virtual ~CHtmlStandardPropertyEnumerator();

 private:
  void startIfNeeded();

  IHtmlElement* m_element;
  IActiveXObject* m_source;
  int m_row;
  IHtmlProperty* m_nextProperty;
};

#endif
