#include "dom/HTMLTableElement.h"

#include "dom/Document.h"
#include "dom/ElementList.h"
#include "dom/HTMLTableRowElement.h"
#include "dom/MutationBatch.h"

namespace geckohost::dom {

namespace {

void appendRowsOf(const Element& section, std::vector<Element*>& out) {
  for (Element* child = section.firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"tr"))
      out.push_back(child);
  }
}

}  // namespace

HTMLElement* HTMLTableElement::firstChildNamed(std::u16string_view localName) const {
  for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(localName))
      return static_cast<HTMLElement*>(child);
  }
  return nullptr;
}

void HTMLTableElement::removeFirstChildNamed(std::u16string_view localName) {
  if (HTMLElement* child = firstChildNamed(localName))
    removeChild(*child);
}

RefPtr<ElementList> HTMLTableElement::tBodies() {
  return new ElementList(
      *this, [](const Element& element) { return element.isHTML(u"tbody"); },
      ElementList::Scope::Children);
}

std::vector<Element*> HTMLTableElement::collectRows() const {
  std::vector<Element*> rows;
  if (HTMLElement* head = tHead())
    appendRowsOf(*head, rows);
  for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"tr"))
      rows.push_back(child);
    if (child->isHTML(u"tbody"))
      appendRowsOf(*child, rows);
  }
  if (HTMLElement* foot = tFoot())
    appendRowsOf(*foot, rows);
  return rows;
}

RefPtr<ElementList> HTMLTableElement::rows() {
  return new ElementList(*this, [](Node& root, std::vector<Element*>& out) {
    out = static_cast<HTMLTableElement&>(root).collectRows();
  });
}

RefPtr<HTMLElement> HTMLTableElement::makeChild(std::u16string_view localName) {
  Document* document = ownerDocument();
  if (!document)
    return nullptr;
  return static_cast<HTMLElement*>(
      document->createElementUnchecked(kHTMLNamespaceURI, u"", localName).get());
}

RefPtr<HTMLElement> HTMLTableElement::createCaption() {
  if (HTMLElement* existing = caption())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"caption");
  if (made)
    insertBefore(*made, firstChild());
  return made;
}

RefPtr<HTMLElement> HTMLTableElement::createTHead() {
  if (HTMLElement* existing = tHead())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"thead");
  if (!made)
    return nullptr;
  // After the caption and column groups, before everything else.
  Node* before = firstChild();
  while (before && before->isElement() &&
         (static_cast<Element*>(before)->isHTML(u"caption") ||
          static_cast<Element*>(before)->isHTML(u"colgroup"))) {
    before = before->nextSibling();
  }
  insertBefore(*made, before);
  return made;
}

RefPtr<HTMLElement> HTMLTableElement::createTFoot() {
  if (HTMLElement* existing = tFoot())
    return existing;
  RefPtr<HTMLElement> made = makeChild(u"tfoot");
  if (made)
    appendChild(*made);
  return made;
}

RefPtr<HTMLTableRowElement> HTMLTableElement::insertRow(int32_t index, DOMError& error) {
  std::vector<Element*> rows = collectRows();
  error = (index < -1 || index > int32_t(rows.size())) ? DOMError::IndexSize : DOMError::None;
  if (error != DOMError::None)
    return nullptr;
  RefPtr<HTMLElement> row = makeChild(u"tr");
  if (!row)
    return nullptr;
  MutationBatch batch(ownerDocument());
  if (index == -1 || index == int32_t(rows.size())) {
    Element* lastBody = nullptr;
    for (Element* child = firstElementChild(); child; child = child->nextElementSibling()) {
      if (child->isHTML(u"tbody"))
        lastBody = child;
    }
    if (lastBody && !rows.empty()) {
      lastBody->appendChild(*row);
    } else if (!rows.empty()) {
      rows.back()->parentNode()->appendChild(*row);
    } else {
      RefPtr<HTMLElement> body = makeChild(u"tbody");
      appendChild(*body);
      body->appendChild(*row);
    }
  } else {
    Element* before = rows[index];
    before->parentNode()->insertBefore(*row, before);
  }
  return static_cast<HTMLTableRowElement*>(row.get());
}

DOMError HTMLTableElement::deleteRow(int32_t index) {
  std::vector<Element*> rows = collectRows();
  if (index == -1)
    index = int32_t(rows.size()) - 1;
  if (index < 0 || index >= int32_t(rows.size()))
    return DOMError::IndexSize;
  return rows[index]->parentNode()->removeChild(*rows[index]);
}

}  // namespace geckohost::dom
