#include "paint/FramePainter.h"

#include "paint/XCanvas.h"
#include "x11/TopLevelShell.h"

namespace geckohost::paint {

namespace {

constexpr int kFontSize = 12;
constexpr int kCharWidth = 7;  // DejaVu Sans Mono's advance at kFontSize, rounded down
constexpr int kGlyphSize = 14;
constexpr int kTextLeft = 8;

// Minimise, maximise, close: right to left from the frame's right edge.
constexpr char32_t kButtonGlyphs[] = {U'\u00d7', U'\u25a1', U'\u2013'};

}  // namespace

void FramePainter::paintDrawable(_XDisplay* display, unsigned long drawable, int width, int height,
                                 const std::u16string& title) {
  const x11::DecorationInsets insets = x11::TopLevelShell::kInsets;
  XCanvas canvas(display, drawable);
  canvas.fillRect(nsIntRect(0, 0, width, height), kBorderColor);
  nsIntRect bar(1, 1, width - 2, insets.top - 1);
  canvas.fillRect(bar, kTitleBarColor);
  int baseline = (insets.top + kFontSize) / 2 - 1;
  int buttonsLeft = width - insets.right - kButtonWidth * 3;
  for (int i = 0; i < 3; ++i) {
    int left = width - insets.right - kButtonWidth * (i + 1);
    canvas.drawCharacter(left + (kButtonWidth - kGlyphSize * 6 / 10) / 2, baseline + 1,
                         kButtonGlyphs[i], kGlyphSize, kTitleTextColor);
  }
  // The title, cut with "..." before the buttons.
  int room = (buttonsLeft - kTextLeft - 4) / kCharWidth;
  if (room <= 0 || title.empty()) {
    canvas.sync();
    return;
  }
  std::u16string shown = title;
  if (static_cast<int>(shown.size()) > room)
    shown = room > 3 ? shown.substr(0, room - 3) + u"..." : shown.substr(0, room);
  canvas.pushClip(nsIntRect(kTextLeft, 0, buttonsLeft - kTextLeft, insets.top));
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] != u' ') {
      canvas.drawCharacter(kTextLeft + static_cast<int>(i) * kCharWidth, baseline, shown[i],
                           kFontSize, kTitleTextColor);
    }
  }
  canvas.popClip();
  canvas.sync();
}

}  // namespace geckohost::paint
