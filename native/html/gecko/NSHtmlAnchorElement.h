// An A element: a link or a named anchor. A point is in the anchor when the node that layout
// finds there is the anchor or lies inside it, so the text of a link that wraps over lines
// counts and the gaps of its bounding box do not.
#ifndef NATIVE_HTML_GECKO_NSHTMLANCHORELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLANCHORELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlAnchorElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLAnchorElement.
  static bool isAnchor(nsIDOMHTMLElement* element);

  explicit CNSHtmlAnchorElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool isPointInObject(int x, int y) override;
};

#endif
