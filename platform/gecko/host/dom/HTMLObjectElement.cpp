#include "dom/HTMLObjectElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLObjectElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLObjectElement)))
    return static_cast<nsIDOMHTMLObjectElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLObjectElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  return handOutForm(aForm);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Code, "code")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Archive, "archive")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Border, "border")
GECKOHOST_IMPL_URI_ATTR(HTMLObjectElement, CodeBase, "codebase")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, CodeType, "codetype")
GECKOHOST_IMPL_URI_ATTR(HTMLObjectElement, Data, "data")
GECKOHOST_IMPL_BOOL_ATTR(HTMLObjectElement, Declare, "declare")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Height, "height")
GECKOHOST_IMPL_INT_ATTR(HTMLObjectElement, Hspace, "hspace", 0)
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Standby, "standby")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Type, "type")
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, UseMap, "usemap")
GECKOHOST_IMPL_INT_ATTR(HTMLObjectElement, Vspace, "vspace", 0)
GECKOHOST_IMPL_STRING_ATTR(HTMLObjectElement, Width, "width")

NS_IMETHODIMP HTMLObjectElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLObjectElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLObjectElement::GetContentDocument(nsIDOMDocument** aContentDocument) {
  return handOutContentDocument(aContentDocument);
}

}  // namespace geckohost::dom
