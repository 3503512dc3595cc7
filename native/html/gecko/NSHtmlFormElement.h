// A FORM element. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLFORMELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLFORMELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlFormElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLFormElement.
  static bool isForm(nsIDOMHTMLElement* element);

  explicit CNSHtmlFormElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
