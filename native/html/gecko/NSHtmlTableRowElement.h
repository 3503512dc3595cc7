// A TR element: one row of a table. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLEROWELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLEROWELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableRowElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableRowElement.
  static bool isTableRow(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableRowElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
