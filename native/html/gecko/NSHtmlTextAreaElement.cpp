#include "NSHtmlTextAreaElement.h"

#include "nsIDOMHTMLTextAreaElement.h"

bool CNSHtmlTextAreaElement::isTextAreaElement(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTextAreaElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}
