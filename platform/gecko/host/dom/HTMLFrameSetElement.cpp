#include "dom/HTMLFrameSetElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLFrameSetElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLFrameSetElement)))
    return static_cast<nsIDOMHTMLFrameSetElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLFrameSetElement, Cols, "cols")
GECKOHOST_IMPL_STRING_ATTR(HTMLFrameSetElement, Rows, "rows")

}  // namespace geckohost::dom
