// An A element: a link or a named anchor. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLANCHORELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLANCHORELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlAnchorElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLAnchorElement.
  static bool isAnchor(nsIDOMHTMLElement* element);

  explicit CNSHtmlAnchorElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
