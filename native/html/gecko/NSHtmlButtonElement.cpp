#include "NSHtmlButtonElement.h"

#include "nsIDOMHTMLButtonElement.h"

bool CNSHtmlButtonElement::isButton(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLButtonElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
