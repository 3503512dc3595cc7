#include "NSHtmlAnchorElement.h"

#include "nsIDOMHTMLAnchorElement.h"

bool CNSHtmlAnchorElement::isAnchor(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLAnchorElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
