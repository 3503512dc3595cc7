#include "dom/HTMLFormElement.h"

#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/ElementList.h"

namespace geckohost::dom {

RefPtr<ElementList> HTMLFormElement::elements() {
  return new ElementList(*this, [this](const Element& element) {
    if (!element.isHTML())
      return false;
    const auto& control = static_cast<const HTMLElement&>(element);
    return control.isListedFormControl() && control.formOwner() == this;
  });
}

uint32_t HTMLFormElement::length() {
  return elements()->length();
}

void HTMLFormElement::reset() {
  RefPtr<ElementList> controls = elements();
  for (uint32_t i = 0; Element* control = controls->item(i); ++i) {
    static_cast<HTMLElement*>(control)->resetState();
  }
}

std::u16string HTMLFormElement::action() const {
  std::u16string resolved = urlAttribute(u"action");
  if (!resolved.empty())
    return resolved;
  Document* document = ownerDocument();
  return document ? utf8ToUTF16(document->url().spec()) : std::u16string();
}

std::u16string HTMLFormElement::method() const {
  return enumAttribute(u"method", {u"get", u"post"}, u"get");
}

std::u16string HTMLFormElement::enctype() const {
  return enumAttribute(
      u"enctype", {u"application/x-www-form-urlencoded", u"multipart/form-data", u"text/plain"},
      u"application/x-www-form-urlencoded");
}

}  // namespace geckohost::dom
