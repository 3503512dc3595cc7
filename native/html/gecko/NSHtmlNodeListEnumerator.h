// Element objects for the HTML elements of a node list (getElementsByTagName and the like);
// other items (comments, text, SVG or MathML elements) are passed over. The length is read
// once, when the enumerator is made.
#ifndef NATIVE_HTML_GECKO_NSHTMLNODELISTENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLNODELISTENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMNodeList.h"

class CNSHtmlNodeListEnumerator final
    : public CHtmlRefCounted<CNSHtmlNodeListEnumerator, IHtmlEnumerator> {
 public:
  explicit CNSHtmlNodeListEnumerator(nsCOMPtr<nsIDOMNodeList> nodeList);

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_index < m_length; }

 private:
  nsCOMPtr<nsIDOMNodeList> m_nodeList;
  PRUint32 m_index = 0;
  PRUint32 m_length = 0;
};

#endif
