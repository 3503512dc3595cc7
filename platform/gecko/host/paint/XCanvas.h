// Drawing on an X drawable (a window or a pixmap of the screen's default visual) in device
// pixels: filled rectangles, lines, text with Xft in DejaVu Sans Mono, every character drawn
// at the x its caller gives (layout puts each in its own fixed-width cell), and pixels with
// alpha composited over what is there with XRender. Colours and fonts are made once and kept
// for the canvas's life.
//
// Xlib's headers stay inside XCanvas.cpp: their macros (None, Status, ...) would clash with
// the host's own names.
#ifndef GECKOHOST_PAINT_XCANVAS_H
#define GECKOHOST_PAINT_XCANVAS_H

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "nsRect.h"

struct _XDisplay;

namespace geckohost::paint {

class XCanvas {
 public:
  // An X drawable id (Window or Pixmap). The canvas owns neither the display nor the drawable.
  using Drawable = unsigned long;

  XCanvas(_XDisplay* display, Drawable drawable);
  ~XCanvas();
  XCanvas(const XCanvas&) = delete;
  XCanvas& operator=(const XCanvas&) = delete;

  // 0xRRGGBB colours.
  void fillRect(const nsIntRect& rect, uint32_t rgb);
  // A frame `width` pixels thick inside `rect`, each side in its colour (top, right, bottom,
  // left).
  void frameRect(const nsIntRect& rect, int width, const uint32_t (&rgb)[4]);
  void drawLine(int x1, int y1, int x2, int y2, uint32_t rgb);
  // One character with its baseline at (x, baseline), in a font of `pixelSize` pixels.
  void drawCharacter(int x, int baseline, char32_t character, int pixelSize, uint32_t rgb);
  // Premultiplied 0xAARRGGBB pixels, area.width a row, laid over what `area` shows (Porter-Duff
  // over). `area` must lie inside visiblePart's answer: the pixels are not clipped again.
  void blendPixels(const nsIntRect& area, const std::vector<uint32_t>& argb);
  // The part of `rect` that drawing can change: inside the drawable and the current clip.
  nsIntRect visiblePart(const nsIntRect& rect) const;

  // Limits drawing to `clip` (nothing: no limit), forgetting any clip pushed before.
  void setClip(const std::optional<nsIntRect>& clip);
  // Limits drawing further, to the part of `clip` inside the current clip, until popClip.
  void pushClip(const nsIntRect& clip);
  void popClip();

  // Sends everything to the server and waits until it has done it.
  void sync();

  // Whether a font for the text could be opened (fonts-dejavu-core installed).
  bool hasFont(int pixelSize);

  static constexpr const char* kFontFamily = "DejaVu Sans Mono";

 private:
  struct XState;
  void applyClip(const std::optional<nsIntRect>& clip);

  std::unique_ptr<XState> mX;
  std::vector<std::optional<nsIntRect>> mClips;  // the current clip last
};

}  // namespace geckohost::paint

#endif
