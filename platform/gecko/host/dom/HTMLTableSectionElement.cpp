#include "dom/HTMLTableSectionElement.h"

#include "dom/ReflectionMacros.h"

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

// --- nsIDOMHTMLTableSectionElement -----------------------------------------------------

void* HTMLTableSectionElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableSectionElement)))
    return static_cast<nsIDOMHTMLTableSectionElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTableSectionElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableSectionElement, Ch, "char")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableSectionElement, ChOff, "charoff")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableSectionElement, VAlign, "valign")

NS_IMETHODIMP HTMLTableSectionElement::GetRows(nsIDOMHTMLCollection** aRows) {
  RefPtr<ElementList> list = rows();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aRows);
}

NS_IMETHODIMP HTMLTableSectionElement::InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<HTMLTableRowElement> row = insertRow(index, error);
  if (!row)
    return toNsresult(error);
  return handOut(row->asDOMHTMLElement(), _retval);
}

NS_IMETHODIMP HTMLTableSectionElement::DeleteRow(PRInt32 index) {
  return toNsresult(deleteRow(index));
}

}  // namespace geckohost::dom
