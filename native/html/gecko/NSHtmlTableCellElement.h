// A TD or TH element: one cell of a table row, with its index in the row and its spans.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLECELLELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLECELLELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableCellElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableCellElement.
  static bool isTableCell(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableCellElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
