// The one font this layout knows: every character (code point) advances 8 CSS pixels, every
// line of text is 16 pixels high, with the baseline 12 pixels below the line's top. Painting
// draws each character in its 8 pixel cell, so text lands where layout put it.
//
//   TextMetrics::width(u"Hello") -> 40
#ifndef GECKOHOST_LAYOUT_TEXTMETRICS_H
#define GECKOHOST_LAYOUT_TEXTMETRICS_H

#include <string_view>

namespace geckohost::layout {

class TextMetrics {
 public:
  static constexpr int kCharWidth = 8;
  static constexpr int kLineHeight = 16;
  static constexpr int kAscent = 12;
  static constexpr int kDescent = kLineHeight - kAscent;

  // Code points, counting a surrogate pair as one.
  static int characterCount(std::u16string_view text) {
    int count = 0;
    for (char16_t c : text) {
      if (c < 0xDC00 || c > 0xDFFF)
        ++count;
    }
    return count;
  }
  static int width(std::u16string_view text) { return characterCount(text) * kCharWidth; }
};

}  // namespace geckohost::layout

#endif
