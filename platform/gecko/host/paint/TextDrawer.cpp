#include "paint/TextDrawer.h"

#include "layout/TextMetrics.h"
#include "paint/DeviceMapping.h"
#include "paint/XCanvas.h"

namespace geckohost::paint {

namespace {

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void TextDrawer::draw(const layout::Box& box, int x, int y, std::u16string_view text,
                      uint32_t rgb) {
  const int size = mMapping.fontPixelSize();
  int cell = 0;
  for (size_t i = 0; i < text.size(); ++i, ++cell) {
    char32_t character = text[i];
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      character = 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (character == U' ')
      continue;
    nsIntRect place = mMapping.rectOf(box, nsRect(x + cell * layout::TextMetrics::kCharWidth,
                                                  y + layout::TextMetrics::kAscent, 0, 0));
    mCanvas.drawCharacter(place.x, place.y, character, size, rgb);
  }
}

}  // namespace geckohost::paint
