#include "NSHtmlTableCellElement.h"

#include "nsIDOMHTMLTableCellElement.h"

bool CNSHtmlTableCellElement::isTableCell(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTableCellElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
