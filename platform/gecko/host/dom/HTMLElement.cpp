#include "dom/HTMLElement.h"

#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/DocumentFragment.h"
#include "dom/HTMLFormElement.h"
#include "dom/HTMLSerializer.h"
#include "dom/MutationBatch.h"
#include "dom/Namespace.h"
#include "parser/HTMLParser.h"

namespace geckohost::dom {

HTMLElement::HTMLElement(Document& document, std::u16string_view localName)
    : Element(document, kHTMLNamespaceURI, u"", localName) {}

std::u16string HTMLElement::innerHTML() const {
  return HTMLSerializer::serializeChildren(*this);
}

void HTMLElement::setInnerHTML(std::u16string_view markup) {
  Document* document = ownerDocument();
  if (!document)
    return;
  RefPtr<DocumentFragment> fragment = parser::HTMLParser::parseFragment(*this, markup);
  MutationBatch batch(document);
  removeAllChildren();
  appendChild(*fragment);
}

bool HTMLElement::isFocusableByDefault() const {
  const std::u16string& name = localName();
  if (name == u"a" || name == u"area")
    return boolAttribute(u"href");
  return name == u"button" || name == u"select" || name == u"textarea" || name == u"object";
}

bool HTMLElement::isFocusable() const {
  // A tabindex, even a negative one, makes any element focusable (just not by tabbing).
  if (const std::u16string* value = attributeValue(u"tabindex");
      value && parseHTMLInteger(*value)) {
    return true;
  }
  if (!isFocusableByDefault())
    return false;
  return !boolAttribute(u"disabled");
}

void HTMLElement::focus() {
  Document* document = ownerDocument();
  if (document && isInDocument() && isFocusable())
    document->setFocusedElement(this);
}

void HTMLElement::blur() {
  Document* document = ownerDocument();
  if (document && document->focusedElement() == this)
    document->setFocusedElement(nullptr);
}

int32_t HTMLElement::tabIndex() const {
  return intAttribute(u"tabindex", isFocusableByDefault() ? 0 : -1);
}

HTMLFormElement* HTMLElement::formOwner() const {
  for (Element* ancestor = parentElement(); ancestor; ancestor = ancestor->parentElement()) {
    if (ancestor->isHTML(u"form"))
      return static_cast<HTMLFormElement*>(ancestor);
  }
  return nullptr;
}

}  // namespace geckohost::dom
