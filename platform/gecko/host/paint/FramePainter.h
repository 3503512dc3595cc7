// Paints the decoration that a window manager would draw around a browser or dialog window,
// into the frame window the host makes in its place (x11::TopLevelShell): a title bar with the
// window's title and the minimise, maximise and close buttons, and a thin border. Pictures of
// a window then look like a window on a desktop.
//
//   FramePainter::paintDrawable(display, widget.frameWindowId(), 640, 480,
//                               u"Order form - Mozilla Firefox");
#ifndef GECKOHOST_PAINT_FRAMEPAINTER_H
#define GECKOHOST_PAINT_FRAMEPAINTER_H

#include <cstdint>
#include <string>

struct _XDisplay;

namespace geckohost::paint {

class FramePainter {
 public:
  // `drawable`: the frame window, `width` x `height` pixels, decoration included. Syncs.
  static void paintDrawable(_XDisplay* display, unsigned long drawable, int width, int height,
                            const std::u16string& title);

  static constexpr uint32_t kTitleBarColor = 0x3b5b8f;
  static constexpr uint32_t kBorderColor = 0x2c4570;
  static constexpr uint32_t kTitleTextColor = 0xffffff;
  static constexpr int kButtonWidth = 22;
};

}  // namespace geckohost::paint

#endif
