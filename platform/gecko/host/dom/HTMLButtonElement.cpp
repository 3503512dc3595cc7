#include "dom/HTMLButtonElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void* HTMLButtonElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLButtonElement)))
    return static_cast<nsIDOMHTMLButtonElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLButtonElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  return handOutForm(aForm);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLButtonElement, AccessKey, "accesskey")
GECKOHOST_IMPL_BOOL_ATTR(HTMLButtonElement, Disabled, "disabled")
GECKOHOST_IMPL_STRING_ATTR(HTMLButtonElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLButtonElement, Value, "value")

NS_IMETHODIMP HTMLButtonElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLButtonElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLButtonElement::GetType(nsAString& aType) {
  setString(aType, type());
  return NS_OK;
}

}  // namespace geckohost::dom
