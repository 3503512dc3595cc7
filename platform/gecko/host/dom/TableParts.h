// The DOM's row and cell editing shared by sections and rows: insert a new part before the
// index-th matching child (or last), delete the index-th.
#ifndef GECKOHOST_DOM_TABLEPARTS_H
#define GECKOHOST_DOM_TABLEPARTS_H

#include <string_view>
#include <vector>

#include "dom/HTMLElement.h"

namespace geckohost::dom {

// The element children of `parent` that are one of the HTML elements `names`.
std::vector<Element*> tablePartsOf(const Element& parent,
                                   std::initializer_list<std::u16string_view> names);

// A new HTML element `newName` before part `index` of `parts`, or appended for -1 or the
// part count. IndexSize for any other index.
RefPtr<HTMLElement> insertTablePart(Element& parent, const std::vector<Element*>& parts,
                                    std::u16string_view newName, int32_t index, DOMError& error);

// Removes part `index` (-1: the last). IndexSize outside the parts.
DOMError deleteTablePart(Element& parent, const std::vector<Element*>& parts, int32_t index);

}  // namespace geckohost::dom

#endif
