#include "layout/UsedBoxModel.h"

#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

Sides<int> resolveSides(const Sides<Length>& sides, int base) {
  return Sides<int>{sides.top.resolve(base), sides.right.resolve(base), sides.bottom.resolve(base),
                    sides.left.resolve(base)};
}

}  // namespace

UsedBoxModel UsedBoxModel::resolve(const ComputedStyle& style, int containingWidth) {
  UsedBoxModel model;
  model.margin = resolveSides(style.margin, containingWidth);
  model.border = style.usedBorder();
  model.padding = resolveSides(style.padding, containingWidth);
  model.autoMarginLeft = style.margin.left.isAuto();
  model.autoMarginRight = style.margin.right.isAuto();
  return model;
}

}  // namespace geckohost::layout
