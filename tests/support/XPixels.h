// Reading back what was painted: the colour of one pixel of an X window as 0xRRGGBB, whatever
// the visual's channel masks. Include after the host's headers: Xlib's macros (None, Bool, ...)
// must not reach them.
//
//   uint32_t rgb = testsupport::ReadPixel(display, window, 10, 20);   // 0xdeadbeef: no image
#ifndef TESTS_SUPPORT_XPIXELS_H
#define TESTS_SUPPORT_XPIXELS_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>

namespace testsupport {

inline uint32_t ReadPixel(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image)
    return 0xdeadbeef;
  unsigned long pixel = XGetPixel(image, 0, 0);
  auto channel = [pixel](unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++shift;
    }
    return uint32_t((pixel >> shift) & 0xff);
  };
  uint32_t rgb =
      channel(image->red_mask) << 16 | channel(image->green_mask) << 8 | channel(image->blue_mask);
  XDestroyImage(image);
  return rgb;
}

}  // namespace testsupport

#endif
