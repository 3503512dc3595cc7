// Finds the box at a point of the document, front to back in paint order: the first box whose
// visible area holds the point wins. A box's area is its border box, or for text, inline boxes
// and <br> its fragments; it is cut to the client areas of the scroll containers around it.
// The viewport, empty boxes and visibility:hidden boxes are never hit. Right and bottom edges
// are outside: a box at (8, 8, 100, 20) holds (8, 8) and (107, 27) but not (108, 8).
#ifndef GECKOHOST_LAYOUT_HITTESTER_H
#define GECKOHOST_LAYOUT_HITTESTER_H

#include <vector>

#include "nsPoint.h"

namespace geckohost::layout {

class Box;

class HitTester {
 public:
  // `point` is in document coordinates; null when no box is there.
  static Box* boxAt(const std::vector<Box*>& paintOrder, nsPoint point);
  static bool hits(const Box& box, nsPoint point);
};

}  // namespace geckohost::layout

#endif
