#include "dom/HTMLHtmlElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLHtmlElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLHtmlElement)))
    return static_cast<nsIDOMHTMLHtmlElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLHtmlElement, Version, "version")

}  // namespace geckohost::dom
