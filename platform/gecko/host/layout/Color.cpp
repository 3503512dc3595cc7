#include "layout/Color.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "layout/CSSText.h"

namespace geckohost::layout {

namespace {

struct NamedColor {
  const char* name;
  uint32_t rgb;
};

// CSS 2.1's seventeen colours and a few that pages commonly use.
constexpr NamedColor kNamedColors[] = {
    {"black", 0x000000},     {"silver", 0xc0c0c0},     {"gray", 0x808080},
    {"grey", 0x808080},      {"white", 0xffffff},      {"maroon", 0x800000},
    {"red", 0xff0000},       {"purple", 0x800080},     {"fuchsia", 0xff00ff},
    {"magenta", 0xff00ff},   {"green", 0x008000},      {"lime", 0x00ff00},
    {"olive", 0x808000},     {"yellow", 0xffff00},     {"navy", 0x000080},
    {"blue", 0x0000ff},      {"teal", 0x008080},       {"aqua", 0x00ffff},
    {"cyan", 0x00ffff},      {"orange", 0xffa500},     {"lightgrey", 0xd3d3d3},
    {"lightgray", 0xd3d3d3}, {"darkgray", 0xa9a9a9},   {"darkgrey", 0xa9a9a9},
    {"pink", 0xffc0cb},      {"brown", 0xa52a2a},      {"gold", 0xffd700},
    {"lightblue", 0xadd8e6}, {"lightgreen", 0x90ee90}, {"darkblue", 0x00008b},
};

int hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

std::optional<Color> parseHex(std::string_view digits) {
  int values[6];
  for (size_t i = 0; i < digits.size(); ++i) {
    values[i] = hexDigit(digits[i]);
    if (values[i] < 0)
      return std::nullopt;
  }
  if (digits.size() == 3) {
    return Color::rgb(uint8_t(values[0] * 17), uint8_t(values[1] * 17), uint8_t(values[2] * 17));
  }
  if (digits.size() == 6) {
    return Color::rgb(uint8_t(values[0] * 16 + values[1]), uint8_t(values[2] * 16 + values[3]),
                      uint8_t(values[4] * 16 + values[5]));
  }
  return std::nullopt;
}

std::optional<Color> parseRGBFunction(std::string_view arguments) {
  std::vector<std::string_view> parts = css::splitOutsideParentheses(arguments, ',');
  if (parts.size() != 3)
    return std::nullopt;
  uint8_t components[3];
  for (size_t i = 0; i < 3; ++i) {
    std::string part(css::trim(parts[i]));
    if (part.empty())
      return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(part.c_str(), &end, 10);
    if (end == part.c_str() || *end != '\0')
      return std::nullopt;
    components[i] = uint8_t(std::clamp(value, 0L, 255L));
  }
  return Color::rgb(components[0], components[1], components[2]);
}

}  // namespace

std::optional<Color> Color::parse(std::string_view text) {
  std::string value = css::lowerCase(css::trim(text));
  if (value.empty())
    return std::nullopt;
  if (value[0] == '#')
    return parseHex(std::string_view(value).substr(1));
  if (value.compare(0, 4, "rgb(") == 0 && value.back() == ')')
    return parseRGBFunction(std::string_view(value).substr(4, value.size() - 5));
  if (value == "transparent")
    return Color::transparent();
  for (const NamedColor& named : kNamedColors) {
    if (value == named.name) {
      return Color::rgb(uint8_t(named.rgb >> 16), uint8_t(named.rgb >> 8), uint8_t(named.rgb));
    }
  }
  return std::nullopt;
}

}  // namespace geckohost::layout
