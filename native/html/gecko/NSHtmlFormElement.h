// A FORM element: it adds its name to the base element's properties.
#ifndef NATIVE_HTML_GECKO_NSHTMLFORMELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLFORMELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlFormElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLFormElement.
  static bool isForm(nsIDOMHTMLElement* element);

  explicit CNSHtmlFormElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
