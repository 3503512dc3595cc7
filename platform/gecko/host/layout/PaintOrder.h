// The order boxes paint in, back to front, after CSS 2.1's appendix E in a simplified form:
// every positioned box paints as a unit above the in-flow content of the box it is positioned
// in (its stacking parent, or the viewport), those with a negative z-index below that content;
// within a unit: the box itself, then the block-level boxes in tree order, then the inline
// content (text, inline boxes, atomic inlines with everything inside them) in tree order, then
// the positioned boxes by z-index (tree order among equals). Hit-testing walks the same order
// from the front.
#ifndef GECKOHOST_LAYOUT_PAINTORDER_H
#define GECKOHOST_LAYOUT_PAINTORDER_H

#include <vector>

namespace geckohost::layout {

class Box;

class PaintOrder {
 public:
  // Every box under `viewport` (and the viewport first), back to front.
  static std::vector<Box*> of(Box& viewport);

 private:
  struct Layers {
    std::vector<Box*> blocks;
    std::vector<Box*> inlines;
    std::vector<Box*> positioned;
  };
  static void paintUnit(Box& root, std::vector<Box*>& out);
  static void collect(Box& box, Layers& layers);
  static void appendAtomic(Box& atomic, Layers& outer);
};

}  // namespace geckohost::layout

#endif
