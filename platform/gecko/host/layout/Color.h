// An sRGB colour as CSS gives it, or transparent (the initial background).
//
//   Color::parse("#f00") -> rgb(255, 0, 0);  Color::parse("teal") -> rgb(0, 128, 128)
#ifndef GECKOHOST_LAYOUT_COLOR_H
#define GECKOHOST_LAYOUT_COLOR_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace geckohost::layout {

class Color {
 public:
  Color() = default;
  static Color rgb(uint8_t red, uint8_t green, uint8_t blue) { return Color(red, green, blue); }
  static Color transparent() { return Color(); }

  // "#rgb", "#rrggbb", "rgb(r, g, b)" (components clamped to 0..255), "transparent" and the
  // named colours of CSS 2.1 plus a few common extras (orange, grey, lightgrey, ...); ASCII case
  // does not matter. Nothing for anything else.
  static std::optional<Color> parse(std::string_view text);

  bool isTransparent() const { return mTransparent; }
  uint8_t red() const { return mRed; }
  uint8_t green() const { return mGreen; }
  uint8_t blue() const { return mBlue; }
  // 0xRRGGBB.
  uint32_t packed() const { return uint32_t(mRed) << 16 | uint32_t(mGreen) << 8 | mBlue; }

  bool operator==(const Color& other) const {
    return mTransparent == other.mTransparent && packed() == other.packed();
  }
  bool operator!=(const Color& other) const { return !(*this == other); }

 private:
  Color(uint8_t red, uint8_t green, uint8_t blue)
      : mTransparent(false), mRed(red), mGreen(green), mBlue(blue) {}

  bool mTransparent = true;
  uint8_t mRed = 0;
  uint8_t mGreen = 0;
  uint8_t mBlue = 0;
};

}  // namespace geckohost::layout

#endif
