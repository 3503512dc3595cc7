// Paints a window's chrome the way Firefox 3.6 looks on Linux, close enough for a person to
// recognise it in a screenshot: grey toolbars, the navigation buttons as arrow glyphs, labelled
// bookmark and dialog buttons, sunken text fields with their value (the address bar shows the
// page's address), the tab strip with the pages' titles, check boxes, labels and the status
// text. Disabled items are drawn in grey. Everything is placed by the chrome layout, so the
// pictures line up with the rectangles the chrome reports; pages paint over the content area
// from their own widgets.
//
//   ChromePainter::paintDrawable(*window.layOutChrome(), display, topLevelWidgetWindow);
#ifndef GECKOHOST_PAINT_CHROMEPAINTER_H
#define GECKOHOST_PAINT_CHROMEPAINTER_H

#include <cstdint>
#include <string>

#include "nsRect.h"

struct _XDisplay;

namespace geckohost {

struct ChromeBox;

namespace dom {
class Element;
}

namespace paint {

class XCanvas;

class ChromePainter {
 public:
  // Paints into a window or pixmap of the screen's default visual and syncs with the server.
  static void paintDrawable(const ChromeBox& root, _XDisplay* display, unsigned long drawable);

  explicit ChromePainter(XCanvas& canvas) : mCanvas(canvas) {}
  void paint(const ChromeBox& root);

  static constexpr uint32_t kWindowColor = 0xedebe6;
  static constexpr uint32_t kToolbarColor = 0xe4e1db;
  static constexpr uint32_t kTabStripColor = 0xcfcbc3;
  static constexpr uint32_t kFieldColor = 0xffffff;
  static constexpr uint32_t kTextColor = 0x1c1c1c;
  static constexpr uint32_t kDisabledColor = 0xa09d96;
  static constexpr uint32_t kShadowColor = 0x9c988f;
  static constexpr uint32_t kLightColor = 0xffffff;
  static constexpr int kFontSize = 11;
  static constexpr int kCharWidth = 7;  // DejaVu Sans Mono's advance at kFontSize

 private:
  void paintBox(const ChromeBox& box);
  void paintBar(const nsIntRect& rect, uint32_t color);
  void paintToolbarButton(const ChromeBox& box, const dom::Element& element);
  void paintTextField(const nsIntRect& rect, const std::u16string& value);
  void paintTab(const nsIntRect& rect, const dom::Element& element);
  void paintButton(const nsIntRect& rect, const std::u16string& label, bool disabled);
  void paintCheck(const nsIntRect& rect, const dom::Element& element, bool round);
  void raisedFrame(const nsIntRect& rect);
  void sunkenFrame(const nsIntRect& rect);
  // `text` in `rect`, vertically centred, from `x` (or centred when x is negative), cut to the
  // rectangle with "..." when it does not fit.
  void text(const nsIntRect& rect, int x, std::u16string_view text, uint32_t rgb);
  // One character, centred in `rect`, drawn large: the navigation buttons' glyphs.
  void glyph(const nsIntRect& rect, char32_t character, uint32_t rgb);

  XCanvas& mCanvas;  // weak
};

}  // namespace paint
}  // namespace geckohost

#endif
