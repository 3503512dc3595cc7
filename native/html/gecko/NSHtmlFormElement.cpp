#include "NSHtmlFormElement.h"

#include "nsIDOMHTMLFormElement.h"

bool CNSHtmlFormElement::isForm(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLFormElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
