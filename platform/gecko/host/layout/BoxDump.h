// A readable dump of a laid-out box tree, one box per line, two spaces of indent per level:
// what golden tests compare and what a person reads when a page lands in the wrong place.
//
//   viewport 800x600 client 800x600 size 800x600 at 0,0
//     html (0,0 800x42) offset 0,0 800x42
//       body (8,8 784x26) m 8,8,8,8 offset 8,8 784x26
//         #text "Hello" (8,8 40x16)
//
// A box line: its name (tag, #id, a control or anonymous kind in brackets), its border box
// (x,y wxh, canvas coordinates), its margins, borders and paddings when not zero (top, right,
// bottom, left), the element's offsets and offset parent, the client and scroll values of
// scroll containers, and at zooms other than 1 the border box in device pixels ("dev").
// Text and inline boxes list their fragments.
#ifndef GECKOHOST_LAYOUT_BOXDUMP_H
#define GECKOHOST_LAYOUT_BOXDUMP_H

#include <string>

namespace geckohost::layout {

class Box;

class BoxDump {
 public:
  static std::string of(const Box& viewport, double zoom);

 private:
  static void dumpBox(const Box& box, const Box* root, double zoom, int depth, std::string& out);
};

}  // namespace geckohost::layout

#endif
