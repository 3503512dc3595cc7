#include "dom/HTMLTableRowElement.h"

#include "dom/ReflectionMacros.h"

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

// --- nsIDOMHTMLTableRowElement ---------------------------------------------------------

void* HTMLTableRowElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableRowElement)))
    return static_cast<nsIDOMHTMLTableRowElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLTableRowElement::GetRowIndex(PRInt32* aRowIndex) {
  NS_ENSURE_ARG_POINTER(aRowIndex);
  *aRowIndex = rowIndex();
  return NS_OK;
}

NS_IMETHODIMP HTMLTableRowElement::GetSectionRowIndex(PRInt32* aSectionRowIndex) {
  NS_ENSURE_ARG_POINTER(aSectionRowIndex);
  *aSectionRowIndex = sectionRowIndex();
  return NS_OK;
}

NS_IMETHODIMP HTMLTableRowElement::GetCells(nsIDOMHTMLCollection** aCells) {
  RefPtr<ElementList> list = cells();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aCells);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTableRowElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableRowElement, BgColor, "bgcolor")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableRowElement, Ch, "char")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableRowElement, ChOff, "charoff")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableRowElement, VAlign, "valign")

NS_IMETHODIMP HTMLTableRowElement::InsertCell(PRInt32 index, nsIDOMHTMLElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<HTMLElement> cell = insertCell(index, error);
  if (!cell)
    return toNsresult(error);
  return handOut(cell->asDOMHTMLElement(), _retval);
}

NS_IMETHODIMP HTMLTableRowElement::DeleteCell(PRInt32 index) {
  return toNsresult(deleteCell(index));
}

}  // namespace geckohost::dom
