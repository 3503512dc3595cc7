#include "dom/HTMLTextAreaElement.h"

#include "dom/ReflectionMacros.h"

namespace geckohost::dom {

void HTMLTextAreaElement::setValue(std::u16string_view value) {
  mValue = value;
  mValueDirty = true;
  notifyChanged();
}

void HTMLTextAreaElement::resetState() {
  mValue.clear();
  mValueDirty = false;
  notifyChanged();
}

void HTMLTextAreaElement::copyStateTo(Element& copy) const {
  auto& textArea = static_cast<HTMLTextAreaElement&>(copy);
  textArea.mValue = mValue;
  textArea.mValueDirty = mValueDirty;
}

// --- nsIDOMHTMLTextAreaElement ---------------------------------------------------------

void* HTMLTextAreaElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTextAreaElement)))
    return static_cast<nsIDOMHTMLTextAreaElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLTextAreaElement::GetDefaultValue(nsAString& aDefaultValue) {
  setString(aDefaultValue, defaultValue());
  return NS_OK;
}

NS_IMETHODIMP HTMLTextAreaElement::SetDefaultValue(const nsAString& aDefaultValue) {
  setDefaultValue(toU16(aDefaultValue));
  return NS_OK;
}

NS_IMETHODIMP HTMLTextAreaElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  return handOutForm(aForm);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTextAreaElement, AccessKey, "accesskey")
GECKOHOST_IMPL_INT_ATTR(HTMLTextAreaElement, Cols, "cols", 20)
GECKOHOST_IMPL_BOOL_ATTR(HTMLTextAreaElement, Disabled, "disabled")
GECKOHOST_IMPL_STRING_ATTR(HTMLTextAreaElement, Name, "name")
GECKOHOST_IMPL_BOOL_ATTR(HTMLTextAreaElement, ReadOnly, "readonly")
GECKOHOST_IMPL_INT_ATTR(HTMLTextAreaElement, Rows, "rows", 2)

NS_IMETHODIMP HTMLTextAreaElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLTextAreaElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLTextAreaElement::GetType(nsAString& aType) {
  setString(aType, u"textarea");
  return NS_OK;
}

NS_IMETHODIMP HTMLTextAreaElement::GetValue(nsAString& aValue) {
  setString(aValue, value());
  return NS_OK;
}

NS_IMETHODIMP HTMLTextAreaElement::SetValue(const nsAString& aValue) {
  setValue(toU16(aValue));
  return NS_OK;
}

NS_IMETHODIMP HTMLTextAreaElement::Blur() {
  return HTMLElement::Blur();
}
NS_IMETHODIMP HTMLTextAreaElement::Focus() {
  return HTMLElement::Focus();
}

// As for inputs: no text selection is kept, the focus is what select() leaves observable.
NS_IMETHODIMP HTMLTextAreaElement::Select() {
  return HTMLElement::Focus();
}

}  // namespace geckohost::dom
