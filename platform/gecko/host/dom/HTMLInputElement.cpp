#include "dom/HTMLInputElement.h"

#include "dom/ReflectionMacros.h"

#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/HTMLFormElement.h"

namespace geckohost::dom {

namespace {

struct TypeName {
  InputType type;
  std::u16string_view name;
};

constexpr TypeName kTypeNames[] = {
    {InputType::Text, u"text"},         {InputType::Password, u"password"},
    {InputType::Checkbox, u"checkbox"}, {InputType::Radio, u"radio"},
    {InputType::Submit, u"submit"},     {InputType::Reset, u"reset"},
    {InputType::File, u"file"},         {InputType::Hidden, u"hidden"},
    {InputType::Image, u"image"},       {InputType::Button, u"button"},
};

}  // namespace

InputType HTMLInputElement::inputType() const {
  if (const std::u16string* type = attributeValue(u"type")) {
    for (const auto& entry : kTypeNames) {
      if (equalsIgnoringASCIICase(*type, entry.name))
        return entry.type;
    }
  }
  return InputType::Text;
}

std::u16string HTMLInputElement::type() const {
  InputType current = inputType();
  for (const auto& entry : kTypeNames) {
    if (entry.type == current)
      return std::u16string(entry.name);
  }
  return u"text";
}

bool HTMLInputElement::keepsTypedValue() const {
  InputType current = inputType();
  return current == InputType::Text || current == InputType::Password || current == InputType::File;
}

std::u16string HTMLInputElement::value() const {
  if (keepsTypedValue())
    return mValueDirty ? mValue : defaultValue();
  InputType current = inputType();
  if ((current == InputType::Checkbox || current == InputType::Radio) &&
      !attributeValue(u"value")) {
    return u"on";
  }
  return defaultValue();
}

void HTMLInputElement::setValue(std::u16string_view value) {
  if (!keepsTypedValue()) {
    setStringAttribute(u"value", value);
    return;
  }
  // A single-line field cannot hold line breaks; Gecko drops them.
  mValue.clear();
  for (char16_t c : value) {
    if (c != '\n' && c != '\r')
      mValue.push_back(c);
  }
  mValueDirty = true;
  notifyChanged();
}

void HTMLInputElement::setChecked(bool checked) {
  mCheckedDirty = true;
  setCheckedState(checked);
}

void HTMLInputElement::setCheckedState(bool checked) {
  if (mChecked == checked)
    return;
  mChecked = checked;
  if (checked && inputType() == InputType::Radio)
    uncheckOthersInGroup();
  notifyChanged();
}

void HTMLInputElement::click() {
  if (boolAttribute(u"disabled"))
    return;
  InputType current = inputType();
  if (current == InputType::Checkbox)
    setChecked(!mChecked);
  if (current == InputType::Radio)
    setChecked(true);
}

void HTMLInputElement::resetState() {
  mValueDirty = false;
  mValue.clear();
  mCheckedDirty = false;
  setCheckedState(defaultChecked());
}

void HTMLInputElement::uncheckOthersInGroup() {
  const std::u16string* name = attributeValue(u"name");
  if (!name || name->empty())
    return;
  HTMLFormElement* form = formOwner();
  Node* scope = form;
  if (!scope) {
    scope = this;
    while (scope->parentNode())
      scope = scope->parentNode();
  }
  for (Node* node = scope->firstChild(); node; node = node->nextInTreeOrder(scope)) {
    if (node == this || !node->isElement() || !static_cast<Element*>(node)->isHTML(u"input")) {
      continue;
    }
    auto* other = static_cast<HTMLInputElement*>(node);
    const std::u16string* otherName = other->attributeValue(u"name");
    if (other->inputType() == InputType::Radio && otherName && *otherName == *name &&
        other->formOwner() == form) {
      other->mChecked = false;
    }
  }
}

void HTMLInputElement::attributeChanged(std::u16string_view localName) {
  if (localName == u"checked" && !mCheckedDirty)
    setCheckedState(defaultChecked());
}

void HTMLInputElement::insertedIntoDocument() {
  // The last checked radio of a group, in document order, is the one that stays checked.
  if (mChecked && inputType() == InputType::Radio)
    uncheckOthersInGroup();
}

void HTMLInputElement::copyStateTo(Element& copy) const {
  auto& input = static_cast<HTMLInputElement&>(copy);
  input.mValue = mValue;
  input.mValueDirty = mValueDirty;
  input.mChecked = mChecked;
  input.mCheckedDirty = mCheckedDirty;
}

// --- nsIDOMHTMLInputElement ------------------------------------------------------------

void* HTMLInputElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLInputElement)))
    return static_cast<nsIDOMHTMLInputElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLInputElement::GetDefaultValue(nsAString& aDefaultValue) {
  setString(aDefaultValue, defaultValue());
  return NS_OK;
}

NS_IMETHODIMP HTMLInputElement::SetDefaultValue(const nsAString& aDefaultValue) {
  setStringAttribute(u"value", toU16(aDefaultValue));
  return NS_OK;
}

GECKOHOST_IMPL_BOOL_ATTR(HTMLInputElement, DefaultChecked, "checked")

NS_IMETHODIMP HTMLInputElement::GetForm(nsIDOMHTMLFormElement** aForm) {
  return handOutForm(aForm);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, Accept, "accept")
GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, AccessKey, "accesskey")
GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, Alt, "alt")

NS_IMETHODIMP HTMLInputElement::GetChecked(PRBool* aChecked) {
  NS_ENSURE_ARG_POINTER(aChecked);
  *aChecked = toPRBool(checked());
  return NS_OK;
}

NS_IMETHODIMP HTMLInputElement::SetChecked(PRBool aChecked) {
  setChecked(aChecked != PR_FALSE);
  return NS_OK;
}

GECKOHOST_IMPL_BOOL_ATTR(HTMLInputElement, Disabled, "disabled")
GECKOHOST_IMPL_INT_ATTR(HTMLInputElement, MaxLength, "maxlength", -1)
GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, Name, "name")
GECKOHOST_IMPL_BOOL_ATTR(HTMLInputElement, ReadOnly, "readonly")
GECKOHOST_IMPL_UINT_ATTR(HTMLInputElement, Size, "size", 0)
GECKOHOST_IMPL_URI_ATTR(HTMLInputElement, Src, "src")

NS_IMETHODIMP HTMLInputElement::GetTabIndex(PRInt32* aTabIndex) {
  return HTMLElement::GetTabIndex(aTabIndex);
}
NS_IMETHODIMP HTMLInputElement::SetTabIndex(PRInt32 aTabIndex) {
  return HTMLElement::SetTabIndex(aTabIndex);
}

NS_IMETHODIMP HTMLInputElement::GetType(nsAString& aType) {
  setString(aType, type());
  return NS_OK;
}

NS_IMETHODIMP HTMLInputElement::SetType(const nsAString& aType) {
  setStringAttribute(u"type", toU16(aType));
  return NS_OK;
}

GECKOHOST_IMPL_STRING_ATTR(HTMLInputElement, UseMap, "usemap")

NS_IMETHODIMP HTMLInputElement::GetValue(nsAString& aValue) {
  setString(aValue, value());
  return NS_OK;
}

NS_IMETHODIMP HTMLInputElement::SetValue(const nsAString& aValue) {
  setValue(toU16(aValue));
  return NS_OK;
}

NS_IMETHODIMP HTMLInputElement::Blur() {
  return HTMLElement::Blur();
}
NS_IMETHODIMP HTMLInputElement::Focus() {
  return HTMLElement::Focus();
}

// The host keeps no text selection; selecting a field's text gives it the focus, the part of
// select() that can be observed here.
NS_IMETHODIMP HTMLInputElement::Select() {
  return HTMLElement::Focus();
}

NS_IMETHODIMP HTMLInputElement::Click() {
  click();
  return NS_OK;
}

}  // namespace geckohost::dom
