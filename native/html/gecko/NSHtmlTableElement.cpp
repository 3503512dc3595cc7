#include "NSHtmlTableElement.h"

#include "nsIDOMHTMLTableElement.h"

bool CNSHtmlTableElement::isTable(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTableElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
