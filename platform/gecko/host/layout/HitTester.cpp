#include "layout/HitTester.h"

#include "layout/Box.h"
#include "layout/ScrollGeometry.h"

namespace geckohost::layout {

Box* HitTester::boxAt(const std::vector<Box*>& paintOrder, nsPoint point) {
  for (auto it = paintOrder.rbegin(); it != paintOrder.rend(); ++it) {
    if (hits(**it, point))
      return *it;
  }
  return nullptr;
}

bool HitTester::hits(const Box& box, nsPoint point) {
  if (box.kind() == BoxKind::Viewport || !box.hasGeometry() ||
      box.style().visibility == Visibility::Hidden) {
    return false;
  }
  if (std::optional<nsRect> clip = ScrollGeometry::clipFor(box);
      clip && !clip->Contains(point.x, point.y)) {
    return false;
  }
  switch (box.kind()) {
    case BoxKind::Text:
    case BoxKind::Inline:
    case BoxKind::LineBreak:
      for (const Fragment& fragment : box.fragments()) {
        if (ScrollGeometry::toDocument(box, fragment.rect).Contains(point.x, point.y))
          return true;
      }
      return false;
    default:
      return ScrollGeometry::toDocument(box, box.rect()).Contains(point.x, point.y);
  }
}

}  // namespace geckohost::layout
