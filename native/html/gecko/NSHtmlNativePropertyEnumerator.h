// A node's attributes as properties: names as Gecko reports them (lower case for HTML
// attributes, no leading dot) with string values. The attribute count is read once.
#ifndef NATIVE_HTML_GECKO_NSHTMLNATIVEPROPERTYENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLNATIVEPROPERTYENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNode.h"

class CNSHtmlNativePropertyEnumerator final
    : public CHtmlRefCounted<CNSHtmlNativePropertyEnumerator, IHtmlEnumerator> {
 public:
  // Precondition: `node` is not null.
  explicit CNSHtmlNativePropertyEnumerator(nsCOMPtr<nsIDOMNode>& node);

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_nextAttribute < m_attributeCount; }

 private:
  // The property of the next attribute; nextElement without its catch-all.
  IHtmlObject* makeProperty();
  unsigned int m_nextAttribute = 0;
  nsCOMPtr<nsIDOMNamedNodeMap> m_attributes;
  unsigned int m_attributeCount = 0;
};

#endif
