#include "dom/HTMLTableSectionElement.h"

#include "dom/ElementList.h"
#include "dom/HTMLTableRowElement.h"
#include "dom/TableParts.h"

namespace geckohost::dom {

RefPtr<ElementList> HTMLTableSectionElement::rows() {
  return new ElementList(
      *this, [](const Element& element) { return element.isHTML(u"tr"); },
      ElementList::Scope::Children);
}

RefPtr<HTMLTableRowElement> HTMLTableSectionElement::insertRow(int32_t index, DOMError& error) {
  RefPtr<HTMLElement> row =
      insertTablePart(*this, tablePartsOf(*this, {u"tr"}), u"tr", index, error);
  return static_cast<HTMLTableRowElement*>(row.get());
}

DOMError HTMLTableSectionElement::deleteRow(int32_t index) {
  return deleteTablePart(*this, tablePartsOf(*this, {u"tr"}), index);
}

}  // namespace geckohost::dom
