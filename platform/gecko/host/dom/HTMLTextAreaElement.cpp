#include "dom/HTMLTextAreaElement.h"

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

}  // namespace geckohost::dom
