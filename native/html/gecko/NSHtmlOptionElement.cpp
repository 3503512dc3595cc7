#include "NSHtmlOptionElement.h"

#include "nsIDOMHTMLOptionElement.h"

bool CNSHtmlOptionElement::isOption(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLOptionElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
