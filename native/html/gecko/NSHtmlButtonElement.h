// A BUTTON element: its name, value, type ("submit", "reset" or "button") and disabled state.
#ifndef NATIVE_HTML_GECKO_NSHTMLBUTTONELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLBUTTONELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlButtonElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLButtonElement.
  static bool isButton(nsIDOMHTMLElement* element);

  explicit CNSHtmlButtonElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
