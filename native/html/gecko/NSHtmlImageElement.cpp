#include "NSHtmlImageElement.h"

#include "nsIDOMHTMLImageElement.h"

bool CNSHtmlImageElement::isImage(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLImageElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
