// The two widths a box can take without being told (CSS 2.1's preferred minimum and preferred
// widths): `min`, the narrowest it gets when every line breaks where it may, and `max`, the
// widest, when lines break only where they must.
#ifndef GECKOHOST_LAYOUT_INTRINSICWIDTHS_H
#define GECKOHOST_LAYOUT_INTRINSICWIDTHS_H

#include <algorithm>

namespace geckohost::layout {

struct IntrinsicWidths {
  int min = 0;
  int max = 0;

  void include(const IntrinsicWidths& other) {
    min = std::max(min, other.min);
    max = std::max(max, other.max);
  }
  IntrinsicWidths plus(int extra) const { return IntrinsicWidths{min + extra, max + extra}; }
  // Shrink-to-fit (CSS 2.1, 10.3.5): min(max(min, available), max).
  int shrinkToFit(int available) const { return std::min(std::max(min, available), max); }
};

}  // namespace geckohost::layout

#endif
