// Text the way layout measured it: each character in its own 8 CSS pixel cell, the baseline
// 12 CSS pixels below the top of the line, mapped to device pixels through a DeviceMapping.
#ifndef GECKOHOST_PAINT_TEXTDRAWER_H
#define GECKOHOST_PAINT_TEXTDRAWER_H

#include <cstdint>
#include <string_view>

#include "nsRect.h"

namespace geckohost::layout {
class Box;
}

namespace geckohost::paint {

class DeviceMapping;
class XCanvas;

class TextDrawer {
 public:
  TextDrawer(XCanvas& canvas, const DeviceMapping& mapping) : mCanvas(canvas), mMapping(mapping) {}

  // `text` on the line whose top-left is (x, y) in canvas coordinates of `box`.
  void draw(const layout::Box& box, int x, int y, std::u16string_view text, uint32_t rgb);

 private:
  XCanvas& mCanvas;               // weak
  const DeviceMapping& mMapping;  // weak
};

}  // namespace geckohost::paint

#endif
