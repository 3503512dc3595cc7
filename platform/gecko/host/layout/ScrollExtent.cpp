#include "layout/ScrollExtent.h"

#include <algorithm>

#include "layout/Box.h"

namespace geckohost::layout {

std::optional<nsRect> ScrollExtent::of(const Box& scroller) {
  std::optional<nsRect> extent;
  include(scroller, scroller, extent);
  return extent;
}

void ScrollExtent::include(const Box& scroller, const Box& box, std::optional<nsRect>& extent) {
  for (const auto& child : box.children()) {
    if (child->isOutOfFlow() && !child->containingBlock()->isInside(scroller))
      continue;
    if (!child->hasGeometry())
      continue;
    const nsRect& rect = child->rect();
    if (!extent) {
      extent = rect;
    } else {
      int left = std::min(extent->x, rect.x);
      int top = std::min(extent->y, rect.y);
      extent->SetRect(left, top, std::max(extent->XMost(), rect.XMost()) - left,
                      std::max(extent->YMost(), rect.YMost()) - top);
    }
    if (!child->scrollArea())
      include(scroller, *child, extent);
  }
}

}  // namespace geckohost::layout
