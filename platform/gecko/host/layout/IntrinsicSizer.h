// Measures intrinsic widths without laying anything out: what shrink-to-fit boxes
// (inline-blocks, absolutely positioned boxes without a width) and table columns are sized by.
//
//   <div style="display:inline-block">Hello big world</div>   -> content min 40, max 120
#ifndef GECKOHOST_LAYOUT_INTRINSICSIZER_H
#define GECKOHOST_LAYOUT_INTRINSICSIZER_H

#include "layout/IntrinsicWidths.h"

namespace geckohost::layout {

class Box;

class IntrinsicSizer {
 public:
  // The border-box widths of `box` (its margins left out). A width given in pixels decides both.
  static IntrinsicWidths of(const Box& box);

  // What the children of a block container need: the widest block child (with its pixel
  // margins) and the widest inline run.
  static IntrinsicWidths contentOf(const Box& container);
};

}  // namespace geckohost::layout

#endif
