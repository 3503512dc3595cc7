#include "dom/HTMLTableCellElement.h"

#include "dom/ReflectionMacros.h"

#include <algorithm>

#include "dom/TableParts.h"

namespace geckohost::dom {

int32_t HTMLTableCellElement::cellIndex() const {
  Element* row = parentElement();
  if (!row || !row->isHTML(u"tr"))
    return -1;
  std::vector<Element*> cells = tablePartsOf(*row, {u"td", u"th"});
  auto found = std::find(cells.begin(), cells.end(), this);
  return found == cells.end() ? -1 : int32_t(found - cells.begin());
}

// --- nsIDOMHTMLTableCellElement --------------------------------------------------------

void* HTMLTableCellElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableCellElement)))
    return static_cast<nsIDOMHTMLTableCellElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLTableCellElement::GetCellIndex(PRInt32* aCellIndex) {
  NS_ENSURE_ARG_POINTER(aCellIndex);
  *aCellIndex = cellIndex();
  return NS_OK;
}

GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Abbr, "abbr")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Align, "align")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Axis, "axis")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, BgColor, "bgcolor")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Ch, "char")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, ChOff, "charoff")
GECKOHOST_IMPL_INT_ATTR(HTMLTableCellElement, ColSpan, "colspan", 1)
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Headers, "headers")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Height, "height")
GECKOHOST_IMPL_BOOL_ATTR(HTMLTableCellElement, NoWrap, "nowrap")
GECKOHOST_IMPL_INT_ATTR(HTMLTableCellElement, RowSpan, "rowspan", 1)
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Scope, "scope")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, VAlign, "valign")
GECKOHOST_IMPL_STRING_ATTR(HTMLTableCellElement, Width, "width")

}  // namespace geckohost::dom
