#include "layout/ScrollGeometry.h"

#include "layout/Box.h"

namespace geckohost::layout {

nsPoint ScrollGeometry::scrollOffsetAbove(const Box& box) {
  nsPoint offset;
  for (const Box* above = box.placementParent(); above; above = above->placementParent()) {
    if (above->kind() != BoxKind::Viewport && above->scrollArea())
      offset += above->scrollArea()->position;
  }
  return offset;
}

nsRect ScrollGeometry::toDocument(const Box& box, const nsRect& rect) {
  nsPoint offset = scrollOffsetAbove(box);
  return nsRect(rect.x - offset.x, rect.y - offset.y, rect.width, rect.height);
}

std::optional<nsRect> ScrollGeometry::clipFor(const Box& box) {
  std::optional<nsRect> clip;
  for (const Box* above = box.placementParent(); above; above = above->placementParent()) {
    if (above->kind() == BoxKind::Viewport || !above->scrollArea())
      continue;
    nsRect port = toDocument(*above, above->scrollport());
    if (clip)
      clip->IntersectRect(*clip, port);
    else
      clip = port;
  }
  return clip;
}

}  // namespace geckohost::layout
