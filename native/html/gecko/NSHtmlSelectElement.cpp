#include "NSHtmlSelectElement.h"

#include "nsIDOMHTMLSelectElement.h"

bool CNSHtmlSelectElement::isSelect(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLSelectElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
