// Where a box shows once scroll containers have scrolled: layout keeps canvas coordinates
// (scrolling ignored), the document sees them moved by every enclosing scroll container's
// scroll position and cut to their client areas. The viewport's own scrolling is not applied:
// document coordinates still include it (viewport coordinates do not).
//
//   a div at canvas (8, 300) inside a scroller scrolled to (0, 250) -> document (8, 50)
#ifndef GECKOHOST_LAYOUT_SCROLLGEOMETRY_H
#define GECKOHOST_LAYOUT_SCROLLGEOMETRY_H

#include <optional>

#include "nsPoint.h"
#include "nsRect.h"

namespace geckohost::layout {

class Box;

class ScrollGeometry {
 public:
  // The sum of the scroll positions of the scroll containers around `box` (not the viewport),
  // following containing blocks for out-of-flow boxes.
  static nsPoint scrollOffsetAbove(const Box& box);
  // `rect` (canvas coordinates of `box` or its fragments) in document coordinates.
  static nsRect toDocument(const Box& box, const nsRect& rect);
  // The part of the document where `box` can show, limited by the client areas of the clipping
  // boxes around it; nothing when none clips.
  static std::optional<nsRect> clipFor(const Box& box);
};

}  // namespace geckohost::layout

#endif
