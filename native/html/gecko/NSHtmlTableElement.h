// A TABLE element: its width and border attributes as written, and its caption's raw text.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLEELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableElement.
  static bool isTable(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
