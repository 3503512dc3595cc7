// Lays out a frameset over its area (the viewport for the top frameset, a cell of its parent
// for a nested one): rows and columns from its rows and cols attributes, frames and nested
// framesets in the cells, row by row.
//
// Sizes: a list of comma separated entries, each pixels ("100"), a percentage of the area
// ("25%") or a relative share ("*", "2*"); unreadable entries count as "*", an empty list as one
// "*". Borders between cells are taken off first; then pixel entries get their pixels,
// percentages their share of that room (rounded down), relative entries share what is left by
// weight (rounded down, the remainder to the last relative entry). When nothing is relative,
// whatever is left over or missing goes to the last entry; no size drops below 0.
//
//   cols="100,*,2*" over 806 pixels with 6 pixel borders: 794 to share; 100, then 694 by
//   weight: 231 and 462, plus the remaining 1 to the last: 100, 231, 463
//
// Border: the frameset's border attribute, else its parent frameset's, else 6 pixels; 0 when
// its frameborder is "0" or "no". Children beyond the cells get an empty box at the frameset's
// origin.
#ifndef GECKOHOST_LAYOUT_FRAMESETLAYOUT_H
#define GECKOHOST_LAYOUT_FRAMESETLAYOUT_H

#include <string_view>
#include <vector>

#include "nsRect.h"

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

class Box;

class FramesetLayout {
 public:
  static void layout(Box& frameset, const nsRect& area);

  // The sizes of the entries of `list` sharing `available` pixels (borders already taken off).
  static std::vector<int> sizes(std::u16string_view list, int available);
  // The border width of a frameset whose parent frameset's border is `inherited` (-1 if none).
  static int borderWidth(const dom::Element& frameset, int inherited);

  static constexpr int kDefaultBorder = 6;

 private:
  static void layout(Box& frameset, const nsRect& area, int inheritedBorder);
  static std::vector<int> cellSizes(const dom::Element& frameset, std::u16string_view attribute,
                                    int total, int border);
};

}  // namespace geckohost::layout

#endif
