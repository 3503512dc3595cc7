// A TD or TH element: one cell of a table row. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLTABLECELLELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTABLECELLELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTableCellElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTableCellElement.
  static bool isTableCell(nsIDOMHTMLElement* element);

  explicit CNSHtmlTableCellElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlElement(element) {}
};

#endif
