#include "dom/HTMLEmbedElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLEmbedElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLEmbedElement)))
    return static_cast<nsIDOMHTMLEmbedElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLEmbedElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLEmbedElement, Height, "height")
GECKOHOST_IMPL_STRING_ATTR(HTMLEmbedElement, Name, "name")
GECKOHOST_IMPL_URI_ATTR(HTMLEmbedElement, Src, "src")
GECKOHOST_IMPL_STRING_ATTR(HTMLEmbedElement, Type, "type")
GECKOHOST_IMPL_STRING_ATTR(HTMLEmbedElement, Width, "width")

}  // namespace geckohost::dom
