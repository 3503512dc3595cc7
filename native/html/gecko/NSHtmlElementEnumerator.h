// The children of an element or document as test objects: element objects for HTML elements,
// text node objects for text; comments and other node kinds are passed over. Follows the live
// sibling links, so siblings inserted after the current node are seen.
#ifndef NATIVE_HTML_GECKO_NSHTMLELEMENTENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLELEMENTENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMNode.h"

class CNSHtmlElementEnumerator final
    : public CHtmlRefCounted<CNSHtmlElementEnumerator, IHtmlEnumerator> {
 public:
  // Precondition: `parent` is not null.
  explicit CNSHtmlElementEnumerator(nsCOMPtr<nsIDOMNode> parent);

  // IHtmlEnumerator
  // The object for the next element or text child; null for a child element that is not an
  // HTML element (SVG, MathML), after which the enumeration goes on.
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_nextNode != nullptr; }

 private:
  // Makes `node` itself or its first following sibling that is an element or a text node the
  // next node (none when there is none), remembering its type; `node` is taken over.
  void advanceTo(nsCOMPtr<nsIDOMNode>& node);

  nsCOMPtr<nsIDOMNode> m_parentNode;
  nsCOMPtr<nsIDOMNode> m_nextNode;
  PRUint16 m_nextType = 0;
};

#endif
