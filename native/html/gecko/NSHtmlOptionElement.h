// An OPTION element of a selection list. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLOPTIONELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLOPTIONELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlOptionElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLOptionElement.
  static bool isOption(nsIDOMHTMLElement* element);

  explicit CNSHtmlOptionElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
