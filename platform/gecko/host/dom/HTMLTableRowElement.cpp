#include "dom/HTMLTableRowElement.h"

#include <algorithm>

#include "dom/ElementList.h"
#include "dom/HTMLTableElement.h"
#include "dom/TableParts.h"

namespace geckohost::dom {

namespace {

bool isSection(const Element* element) {
  return element &&
         (element->isHTML(u"thead") || element->isHTML(u"tbody") || element->isHTML(u"tfoot"));
}

}  // namespace

HTMLTableElement* HTMLTableRowElement::table() const {
  Element* parent = parentElement();
  if (isSection(parent))
    parent = parent->parentElement();
  return parent && parent->isHTML(u"table") ? static_cast<HTMLTableElement*>(parent) : nullptr;
}

int32_t HTMLTableRowElement::rowIndex() const {
  HTMLTableElement* owner = table();
  if (!owner)
    return -1;
  std::vector<Element*> rows = owner->collectRows();
  auto found = std::find(rows.begin(), rows.end(), this);
  return found == rows.end() ? -1 : int32_t(found - rows.begin());
}

int32_t HTMLTableRowElement::sectionRowIndex() const {
  Element* parent = parentElement();
  if (!isSection(parent) && !(parent && parent->isHTML(u"table")))
    return -1;
  std::vector<Element*> rows = tablePartsOf(*parent, {u"tr"});
  auto found = std::find(rows.begin(), rows.end(), this);
  return found == rows.end() ? -1 : int32_t(found - rows.begin());
}

RefPtr<ElementList> HTMLTableRowElement::cells() {
  return new ElementList(
      *this, [](const Element& element) { return element.isHTML(u"td") || element.isHTML(u"th"); },
      ElementList::Scope::Children);
}

RefPtr<HTMLElement> HTMLTableRowElement::insertCell(int32_t index, DOMError& error) {
  return insertTablePart(*this, tablePartsOf(*this, {u"td", u"th"}), u"td", index, error);
}

DOMError HTMLTableRowElement::deleteCell(int32_t index) {
  return deleteTablePart(*this, tablePartsOf(*this, {u"td", u"th"}), index);
}

}  // namespace geckohost::dom
