// A TR element: one row of a table, with its index among the table's rows.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLEROWELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLEROWELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableRowElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableRowElement.
  static bool isTableRow(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableRowElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
