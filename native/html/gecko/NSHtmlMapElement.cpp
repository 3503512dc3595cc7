#include "NSHtmlMapElement.h"

#include "nsIDOMHTMLMapElement.h"

bool CNSHtmlMapElement::isMap(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLMapElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
