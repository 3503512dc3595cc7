#include "dom/HTMLTableCellElement.h"

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

}  // namespace geckohost::dom
