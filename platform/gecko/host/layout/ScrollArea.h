// The scrolling state of a box whose overflow is not visible (and of the viewport): the
// scrollbars it shows, how far its content reaches, and where it is scrolled to.
//
// Scrollbars take their room from inside the border: a vertical bar covers the right-most
// kScrollbarSize pixels of the padding box, a horizontal one the bottom-most.
#ifndef GECKOHOST_LAYOUT_SCROLLAREA_H
#define GECKOHOST_LAYOUT_SCROLLAREA_H

#include <algorithm>

#include "nsPoint.h"
#include "nsSize.h"

namespace geckohost::layout {

struct ScrollArea {
  static constexpr int kScrollbarSize = 16;

  bool verticalBar = false;
  bool horizontalBar = false;
  // The client area: the padding box without the scrollbars.
  nsSize clientSize;
  // What can be scrolled through: at least the client size.
  nsSize scrollSize;
  nsPoint position;

  int verticalBarWidth() const { return verticalBar ? kScrollbarSize : 0; }
  int horizontalBarHeight() const { return horizontalBar ? kScrollbarSize : 0; }
  int maxX() const { return std::max(0, scrollSize.width - clientSize.width); }
  int maxY() const { return std::max(0, scrollSize.height - clientSize.height); }
  // Moves to (x, y) as far as the content allows: scrollTo(-5, 900) with 300 to scroll -> (0, 300).
  void scrollTo(int x, int y) {
    position.x = std::clamp(x, 0, maxX());
    position.y = std::clamp(y, 0, maxY());
  }
};

}  // namespace geckohost::layout

#endif
