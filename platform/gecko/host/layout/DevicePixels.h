// CSS pixels to device pixels: times the zoom (device pixels per CSS pixel), truncated toward
// zero, each of x, y, width and height on its own. The product is nudged by 1e-6 away from
// zero first, so that a factor such as 0.9 (not exactly representable) still gives
// 10 x 0.9 = 9 and not 8.
//
//   toDevice(3, 1.5) -> 4;  toDevice(-3, 1.5) -> -4;  toDevice(5, 0.9) -> 4
#ifndef GECKOHOST_LAYOUT_DEVICEPIXELS_H
#define GECKOHOST_LAYOUT_DEVICEPIXELS_H

#include <cmath>

#include "nsRect.h"

namespace geckohost::layout {

class DevicePixels {
 public:
  static int toDevice(int css, double zoom) { return truncate(css * zoom); }
  static nsIntRect toDevice(const nsRect& css, double zoom) {
    return nsIntRect(toDevice(css.x, zoom), toDevice(css.y, zoom), toDevice(css.width, zoom),
                     toDevice(css.height, zoom));
  }
  // Device pixels to CSS pixels, rounded down the same way: 800 at zoom 1.5 -> 533.
  static int toCSS(int device, double zoom) { return truncate(device / zoom); }

 private:
  static int truncate(double value) {
    constexpr double kNudge = 1e-6;
    return int(std::trunc(value + (value >= 0 ? kNudge : -kNudge)));
  }
};

}  // namespace geckohost::layout

#endif
