// Margins, borders and paddings in whole pixels, percentages resolved against the containing
// block's width (CSS resolves vertical margins and paddings against the width too). Auto
// margins count as 0 and are flagged, so that block layout can centre a box with them.
#ifndef GECKOHOST_LAYOUT_USEDBOXMODEL_H
#define GECKOHOST_LAYOUT_USEDBOXMODEL_H

#include "layout/Sides.h"

namespace geckohost::layout {

struct ComputedStyle;

struct UsedBoxModel {
  Sides<int> margin;
  Sides<int> border;
  Sides<int> padding;
  bool autoMarginLeft = false;
  bool autoMarginRight = false;

  static UsedBoxModel resolve(const ComputedStyle& style, int containingWidth);

  // Border and padding on both sides: what a content width needs to make a border box.
  int borderPaddingWidth() const { return border.horizontal() + padding.horizontal(); }
  int borderPaddingHeight() const { return border.vertical() + padding.vertical(); }
};

}  // namespace geckohost::layout

#endif
