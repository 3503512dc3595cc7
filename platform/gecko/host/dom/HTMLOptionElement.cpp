#include "dom/HTMLOptionElement.h"

#include "dom/ReflectionMacros.h"
#include "nsIDOMHTMLFormElement.h"

#include "dom/DOMStrings.h"
#include "dom/HTMLSelectElement.h"

namespace geckohost::dom {

HTMLSelectElement* HTMLOptionElement::ownerSelect() const {
  Element* parent = parentElement();
  if (parent && parent->isHTML(u"optgroup"))
    parent = parent->parentElement();
  return parent && parent->isHTML(u"select") ? static_cast<HTMLSelectElement*>(parent) : nullptr;
}

bool HTMLOptionElement::selected() {
  if (HTMLSelectElement* select = ownerSelect())
    select->ensureSelectionIsValid();
  return mSelected;
}

void HTMLOptionElement::setSelected(bool selected) {
  mSelectedDirty = true;
  changeSelectedness(selected);
}

void HTMLOptionElement::changeSelectedness(bool selected) {
  HTMLSelectElement* select = ownerSelect();
  if (select)
    select->ensureSelectionIsValid();
  mSelected = selected;
  if (select)
    select->optionSelectednessChanged(*this, selected);
  notifyChanged();
}

int32_t HTMLOptionElement::index() {
  HTMLSelectElement* select = ownerSelect();
  if (!select)
    return -1;
  for (uint32_t i = 0; HTMLOptionElement* option = select->optionAt(i); ++i) {
    if (option == this)
      return int32_t(i);
  }
  return -1;
}

std::u16string HTMLOptionElement::text() const {
  return stripAndCollapseWhitespace(*textContent());
}

std::u16string HTMLOptionElement::value() const {
  const std::u16string* value = attributeValue(u"value");
  return value ? *value : text();
}

void HTMLOptionElement::resetState() {
  mSelectedDirty = false;
  mSelected = defaultSelected();
}

void HTMLOptionElement::attributeChanged(std::u16string_view localName) {
  if (localName == u"selected" && !mSelectedDirty)
    changeSelectedness(defaultSelected());
}

void HTMLOptionElement::copyStateTo(Element& copy) const {
  auto& option = static_cast<HTMLOptionElement&>(copy);
  option.mSelected = mSelected;
  option.mSelectedDirty = mSelectedDirty;
}

// --- nsIDOMHTMLOptionElement -----------------------------------------------------------

void* HTMLOptionElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLOptionElement)))
    return static_cast<nsIDOMHTMLOptionElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLOptionElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  HTMLSelectElement* select = ownerSelect();
  return select ? select->handOutForm(aForm) : handOut<nsIDOMHTMLFormElement>(nullptr, aForm);
}

GECKOHOST_IMPL_BOOL_ATTR(HTMLOptionElement, DefaultSelected, "selected")

NS_IMETHODIMP HTMLOptionElement::GetText(nsAString& aText) {
  setString(aText, text());
  return NS_OK;
}

NS_IMETHODIMP HTMLOptionElement::GetIndex(PRInt32* aIndex) {
  NS_ENSURE_ARG_POINTER(aIndex);
  *aIndex = index();
  return NS_OK;
}

GECKOHOST_IMPL_BOOL_ATTR(HTMLOptionElement, Disabled, "disabled")
GECKOHOST_IMPL_STRING_ATTR(HTMLOptionElement, Label, "label")

NS_IMETHODIMP HTMLOptionElement::GetSelected(PRBool* aSelected) {
  NS_ENSURE_ARG_POINTER(aSelected);
  *aSelected = toPRBool(selected());
  return NS_OK;
}

NS_IMETHODIMP HTMLOptionElement::SetSelected(PRBool aSelected) {
  setSelected(aSelected != PR_FALSE);
  return NS_OK;
}

NS_IMETHODIMP HTMLOptionElement::GetValue(nsAString& aValue) {
  setString(aValue, value());
  return NS_OK;
}

NS_IMETHODIMP HTMLOptionElement::SetValue(const nsAString& aValue) {
  setStringAttribute(u"value", toU16(aValue));
  return NS_OK;
}

}  // namespace geckohost::dom
