#include "layout/PaintOrder.h"

#include <algorithm>

#include "layout/Box.h"

namespace geckohost::layout {

std::vector<Box*> PaintOrder::of(Box& viewport) {
  std::vector<Box*> order;
  paintUnit(viewport, order);
  return order;
}

void PaintOrder::paintUnit(Box& root, std::vector<Box*>& out) {
  Layers layers;
  collect(root, layers);
  std::stable_sort(
      layers.positioned.begin(), layers.positioned.end(),
      [](const Box* a, const Box* b) { return a->style().zIndex < b->style().zIndex; });
  out.push_back(&root);
  auto positionedFrom = layers.positioned.begin();
  for (; positionedFrom != layers.positioned.end() && (*positionedFrom)->style().zIndex < 0;
       ++positionedFrom) {
    paintUnit(**positionedFrom, out);
  }
  out.insert(out.end(), layers.blocks.begin(), layers.blocks.end());
  out.insert(out.end(), layers.inlines.begin(), layers.inlines.end());
  for (; positionedFrom != layers.positioned.end(); ++positionedFrom)
    paintUnit(**positionedFrom, out);
}

void PaintOrder::collect(Box& box, Layers& layers) {
  for (const auto& owned : box.children()) {
    Box& child = *owned;
    if (child.style().isPositioned()) {
      layers.positioned.push_back(&child);
    } else if (child.isAtomicInline()) {
      appendAtomic(child, layers);
    } else if (child.isInlineLevel()) {
      layers.inlines.push_back(&child);
      collect(child, layers);
    } else {
      layers.blocks.push_back(&child);
      collect(child, layers);
    }
  }
}

void PaintOrder::appendAtomic(Box& atomic, Layers& outer) {
  // An atomic inline paints whole, at its place among the inline content; boxes positioned
  // inside it still paint with the unit around it.
  Layers inner;
  collect(atomic, inner);
  outer.inlines.push_back(&atomic);
  outer.inlines.insert(outer.inlines.end(), inner.blocks.begin(), inner.blocks.end());
  outer.inlines.insert(outer.inlines.end(), inner.inlines.begin(), inner.inlines.end());
  outer.positioned.insert(outer.positioned.end(), inner.positioned.begin(), inner.positioned.end());
}

}  // namespace geckohost::layout
