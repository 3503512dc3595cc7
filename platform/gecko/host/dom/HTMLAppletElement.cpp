#include "dom/HTMLAppletElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLAppletElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLAppletElement)))
    return static_cast<nsIDOMHTMLAppletElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Alt, "alt")
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Archive, "archive")
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Code, "code")
GECKOHOST_IMPL_URI_ATTR(HTMLAppletElement, CodeBase, "codebase")
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Height, "height")
GECKOHOST_IMPL_INT_ATTR(HTMLAppletElement, Hspace, "hspace", 0)
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Name, "name")
GECKOHOST_IMPL_URI_ATTR(HTMLAppletElement, Object, "object")
GECKOHOST_IMPL_INT_ATTR(HTMLAppletElement, Vspace, "vspace", 0)
GECKOHOST_IMPL_STRING_ATTR(HTMLAppletElement, Width, "width")

}  // namespace geckohost::dom
