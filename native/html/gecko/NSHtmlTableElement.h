// A TABLE element. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLEELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableElement.
  static bool isTable(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
