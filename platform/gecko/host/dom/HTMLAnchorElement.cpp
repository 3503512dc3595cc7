#include "dom/HTMLAnchorElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLAnchorElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLAnchorElement)))
    return static_cast<nsIDOMHTMLAnchorElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, AccessKey, "accesskey")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Charset, "charset")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Coords, "coords")
GECKOHOST_IMPL_URI_ATTR(HTMLAnchorElement, Href, "href")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Hreflang, "hreflang")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Rel, "rel")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Rev, "rev")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Shape, "shape")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Target, "target")
GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Type, "type")

NS_IMETHODIMP HTMLAnchorElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLAnchorElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLAnchorElement::Blur() {
  return HTMLElement::Blur();
}
NS_IMETHODIMP HTMLAnchorElement::Focus() {
  return HTMLElement::Focus();
}

}  // namespace geckohost::dom
