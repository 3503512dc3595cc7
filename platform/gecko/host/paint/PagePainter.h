// Paints a laid-out page into an X drawable whose origin is the viewport's: the canvas
// background (the root's background colour, else the body's, else white), then every box in
// layout's paint order (its background colour, its borders, its text or control), each cut to
// the client areas of the scroll containers around it, then the scrollbars (grey tracks with a
// darker thumb) of scroll containers and of the viewport. Everything is at the layout's zoom
// and scroll position, so a box lands exactly where boundsOnDevice says.
//
//   PagePainter::paintDrawable(layout, display, window);   // and the server has it
#ifndef GECKOHOST_PAINT_PAGEPAINTER_H
#define GECKOHOST_PAINT_PAGEPAINTER_H

#include <cstdint>

#include "paint/ControlPainter.h"
#include "paint/DeviceMapping.h"
#include "paint/TextDrawer.h"

struct _XDisplay;

namespace geckohost::layout {
class Box;
class DocumentLayout;
}  // namespace geckohost::layout

namespace geckohost::paint {

class XCanvas;

class PagePainter {
 public:
  // Paints into a window or pixmap of the screen's default visual and syncs with the server.
  static void paintDrawable(layout::DocumentLayout& layout, _XDisplay* display,
                            unsigned long drawable);

  PagePainter(layout::DocumentLayout& layout, XCanvas& canvas);
  void paint();

  static constexpr uint32_t kCanvasColor = 0xffffff;
  static constexpr uint32_t kTrackColor = 0xe0e0e0;
  static constexpr uint32_t kThumbColor = 0xa0a0a0;
  static constexpr uint32_t kFramesetColor = 0xd4d0c8;

 private:
  uint32_t canvasColor() const;
  void paintBox(const layout::Box& box);
  void paintBackgroundAndBorders(const layout::Box& box, const nsRect& rect);
  void paintScrollbars(const layout::Box& box, const nsIntRect& port);

  layout::DocumentLayout& mLayout;  // weak
  XCanvas& mCanvas;                 // weak
  DeviceMapping mMapping;
  TextDrawer mText;
  ControlPainter mControls;
};

}  // namespace geckohost::paint

#endif
