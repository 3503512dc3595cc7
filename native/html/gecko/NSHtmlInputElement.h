// An INPUT element: text fields, check boxes, radio buttons and buttons. The element answers the
// base element's properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLINPUTELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLINPUTELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlInputElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLInputElement.
  static bool isInput(nsIDOMHTMLElement* element);

  explicit CNSHtmlInputElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
