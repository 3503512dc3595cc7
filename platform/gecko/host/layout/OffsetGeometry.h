// The DOM's offset, client and scroll values of an element's box, as Gecko 1.9.2 computes them.
//
// Offset parent: walking up from the box (through containing blocks for absolutely positioned
// boxes), the first positioned ancestor; for a box that is not positioned itself, a td, th or
// table met first; otherwise the body. The root element and the body have none; an absolutely
// positioned box with no positioned ancestor has the body.
//
// Offsets are measured from the offset parent's padding edge (its border box less its border).
// Where the walk ends at the body, the body itself counts as if it were at the root's origin:
// offsets are then measured from the root element's box (in practice the canvas), less the
// body's border. The root and the body report offsets 0, 0 (and their size), whatever their
// margins, so summing offsets up to the body ignores the borders of the boxes on the way.
// Scrolling does not enter offsets. An inline box takes its position from its first fragment
// and its size from the union of its fragments.
//
//   <body><div style="position:absolute;left:100px;top:50px;border:5px solid">
//           <p style="margin:0">x</p></div>        p: offsetParent div, offsets (0, 0)
//   <body><div style="margin:10px">x</div>         div: offsetParent body, offsets (18, 10)
//                                                  (the margins 8 and 10 collapse to 10)
//
// Client and scroll: clientLeft/Top are the left and top borders; clientWidth/Height the
// padding box less scrollbars (0 for inline boxes); a scroll container reports its scroll size
// and position, any other box a scroll size of at least its client size, more when its content
// overflows it (measured from its padding edge), and position 0. The root element answers with
// the viewport's client size, scroll size and position.
#ifndef GECKOHOST_LAYOUT_OFFSETGEOMETRY_H
#define GECKOHOST_LAYOUT_OFFSETGEOMETRY_H

#include "layout/LayoutQuery.h"

namespace geckohost::layout {

class Box;

class OffsetGeometry {
 public:
  // `box` is the element's primary box; `root` the root element's.
  static OffsetBox offsetBox(const Box& box, const Box& root);
  static ScrollBox scrollBox(const Box& box);
  // The root element's client and scroll values: the viewport's.
  static ScrollBox viewportScrollBox(const Box& viewport, const Box& root);
};

}  // namespace geckohost::layout

#endif
