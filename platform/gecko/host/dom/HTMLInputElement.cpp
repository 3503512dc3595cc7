#include "dom/HTMLInputElement.h"

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

}  // namespace geckohost::dom
