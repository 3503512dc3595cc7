#include "dom/HTMLBodyElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLBodyElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLBodyElement)))
    return static_cast<nsIDOMHTMLBodyElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLBodyElement, ALink, "alink")
GECKOHOST_IMPL_URI_ATTR(HTMLBodyElement, Background, "background")
GECKOHOST_IMPL_STRING_ATTR(HTMLBodyElement, BgColor, "bgcolor")
GECKOHOST_IMPL_STRING_ATTR(HTMLBodyElement, Link, "link")
GECKOHOST_IMPL_STRING_ATTR(HTMLBodyElement, Text, "text")
GECKOHOST_IMPL_STRING_ATTR(HTMLBodyElement, VLink, "vlink")

}  // namespace geckohost::dom
