#include "dom/HTMLAreaElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLAreaElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLAreaElement)))
    return static_cast<nsIDOMHTMLAreaElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLAreaElement, AccessKey, "accesskey")
GECKOHOST_IMPL_STRING_ATTR(HTMLAreaElement, Alt, "alt")
GECKOHOST_IMPL_STRING_ATTR(HTMLAreaElement, Coords, "coords")
GECKOHOST_IMPL_URI_ATTR(HTMLAreaElement, Href, "href")
GECKOHOST_IMPL_BOOL_ATTR(HTMLAreaElement, NoHref, "nohref")
GECKOHOST_IMPL_STRING_ATTR(HTMLAreaElement, Shape, "shape")
GECKOHOST_IMPL_STRING_ATTR(HTMLAreaElement, Target, "target")

NS_IMETHODIMP HTMLAreaElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLAreaElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

}  // namespace geckohost::dom
