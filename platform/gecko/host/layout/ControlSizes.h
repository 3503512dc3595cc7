// Which replaced box an element gets, and its content size before CSS width and height apply
// (all in CSS pixels; TextMetrics gives 8 pixels a character, 16 a line), and its content
// size once the width and height its style gives are applied:
//
//   input text/password    size x 8 wide (size 20 when absent or below 1), 16 high
//   input file             size x 8 + 80 wide (the field and its "Browse..." button), 16 high
//   input checkbox/radio   13 x 13
//   input submit/reset/button, its label x 8 wide ("Submit Query", "Reset" or the value), 16
//   input image, img       see ImageSizing: the picture's natural size, or 24 x 24 broken
//   select (drop-down)     longest option x 8 + 16 (the arrow button) wide, 16 high
//   select (list box)      longest option x 8 + 16 (its scrollbar) wide, rows x 16 high, rows
//                          being size (4 when size is below 2 and multiple is set)
//   textarea               cols x 8 + 16 (its scrollbar) wide, rows x 16 high (cols 20, rows 2)
//   iframe                 300 x 150
#ifndef GECKOHOST_LAYOUT_CONTROLSIZES_H
#define GECKOHOST_LAYOUT_CONTROLSIZES_H

#include <optional>
#include <string>

#include "layout/Box.h"
#include "nsSize.h"

namespace geckohost::dom {
class Element;
class HTMLInputElement;
class HTMLSelectElement;
}  // namespace geckohost::dom

namespace geckohost::layout {

class ControlSizes {
 public:
  // The replaced box `element` gets; None for elements laid out as ordinary boxes.
  static ControlType typeOf(const dom::Element& element);

  // The content size of a replaced box: its own size, with `width` and `height` (the sides
  // its style gives; nothing for auto) replacing its sides. An image with a picture keeps the
  // picture's aspect ratio when only one side is given.
  static nsSize contentSize(const Box& box, std::optional<int> width, std::optional<int> height);

  // Rows a list box shows: its size, or 4 for a multiple select without a size above 1.
  static int listBoxRows(const dom::HTMLSelectElement& select);
  // The label of a push button input: its value, or the default label of its type.
  static std::u16string buttonLabel(const dom::HTMLInputElement& input);
  // Whether a select shows as a list box (size above 1 or multiple) rather than a drop-down.
  static bool isListBox(const dom::HTMLSelectElement& select);

  static constexpr int kDefaultInputSize = 20;
  static constexpr int kFileButtonWidth = 80;
  static constexpr int kCheckSize = 13;
  static constexpr int kArrowWidth = 16;
  static constexpr int kDefaultCols = 20;
  static constexpr int kDefaultRows = 2;
  static constexpr int kDefaultListRows = 4;
  static constexpr int kFrameWidth = 300;
  static constexpr int kFrameHeight = 150;

 private:
  // The size of a control other than an image before its style's width and height apply.
  static nsSize ownSize(ControlType type, const dom::Element& element);
};

}  // namespace geckohost::layout

#endif
