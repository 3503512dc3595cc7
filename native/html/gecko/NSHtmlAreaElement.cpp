#include "NSHtmlAreaElement.h"

#include "nsIDOMHTMLAreaElement.h"

bool CNSHtmlAreaElement::isArea(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLAreaElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
