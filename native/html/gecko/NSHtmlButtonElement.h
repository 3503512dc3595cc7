// A BUTTON element. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLBUTTONELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLBUTTONELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlButtonElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLButtonElement.
  static bool isButton(nsIDOMHTMLElement* element);

  explicit CNSHtmlButtonElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
