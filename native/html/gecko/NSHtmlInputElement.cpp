#include "NSHtmlInputElement.h"

#include "nsIDOMHTMLInputElement.h"

bool CNSHtmlInputElement::isInput(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLInputElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
