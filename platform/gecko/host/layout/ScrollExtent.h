// How far the content of a scroll container (or the viewport) reaches: the bounding box of the
// boxes it scrolls, in canvas coordinates. Nested scroll containers count with their own box,
// not their content; out-of-flow boxes whose containing block lies outside the scroller do not
// scroll with it and do not count.
#ifndef GECKOHOST_LAYOUT_SCROLLEXTENT_H
#define GECKOHOST_LAYOUT_SCROLLEXTENT_H

#include <optional>

#include "nsRect.h"

namespace geckohost::layout {

class Box;

class ScrollExtent {
 public:
  // Nothing when the scroller holds no box with geometry.
  static std::optional<nsRect> of(const Box& scroller);

 private:
  static void include(const Box& scroller, const Box& box, std::optional<nsRect>& extent);
};

}  // namespace geckohost::layout

#endif
