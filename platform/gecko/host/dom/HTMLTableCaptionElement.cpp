#include "dom/HTMLTableCaptionElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLTableCaptionElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableCaptionElement)))
    return static_cast<nsIDOMHTMLTableCaptionElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTableCaptionElement, Align, "align")

}  // namespace geckohost::dom
