#include "layout/DeclarationBlock.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "layout/CSSText.h"
#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

enum class Sign { NonNegative, Any };

constexpr int kPixelsPerEm = 16;

// "12px" -> 12, "1.5em" -> 24, "0" -> 0, "50%" -> 50 percent. The number must be followed by
// a unit (px, em, pt, %), except zero.
std::optional<Length> parseLength(std::string_view text, bool allowPercent, Sign sign) {
  std::string value = css::lowerCase(css::trim(text));
  if (value.empty())
    return std::nullopt;
  char* end = nullptr;
  float number = std::strtof(value.c_str(), &end);
  if (end == value.c_str())
    return std::nullopt;
  if (sign == Sign::NonNegative && number < 0)
    return std::nullopt;
  std::string_view unit(end);
  if (unit == "%") {
    if (!allowPercent)
      return std::nullopt;
    return Length::percent(number);
  }
  float pixels;
  if (unit == "px")
    pixels = number;
  else if (unit == "em")
    pixels = number * kPixelsPerEm;
  else if (unit == "pt")
    pixels = number * 4 / 3;
  else if (unit.empty() && number == 0)
    pixels = 0;
  else
    return std::nullopt;
  return Length::px(int(std::trunc(pixels)));
}

std::optional<Length> parseLengthOrAuto(std::string_view text, Sign sign) {
  if (css::lowerCase(css::trim(text)) == "auto")
    return Length::autoLength();
  return parseLength(text, true, sign);
}

std::optional<int> parseBorderWidth(std::string_view text) {
  std::string value = css::lowerCase(css::trim(text));
  if (value == "thin")
    return 1;
  if (value == "medium")
    return ComputedStyle::kMediumBorder;
  if (value == "thick")
    return 5;
  std::optional<Length> length = parseLength(value, false, Sign::NonNegative);
  if (!length)
    return std::nullopt;
  return int(length->value());
}

std::optional<BorderStyle> parseBorderStyle(std::string_view text) {
  std::string value = css::lowerCase(css::trim(text));
  if (value == "none" || value == "hidden")
    return BorderStyle::None;
  if (value == "inset" || value == "groove")
    return BorderStyle::Inset;
  if (value == "outset" || value == "ridge")
    return BorderStyle::Outset;
  if (value == "solid" || value == "dotted" || value == "dashed" || value == "double")
    return BorderStyle::Solid;
  return std::nullopt;
}

// The 1-to-4 value form of margin, padding and border-width: "a" all, "a b" vertical and
// horizontal, "a b c" top, horizontal, bottom, "a b c d" top, right, bottom, left.
template <class T, class Parse>
std::optional<Sides<T>> parseSides(std::string_view text, Parse parse) {
  std::vector<std::string_view> parts = css::splitValues(text);
  if (parts.empty() || parts.size() > 4)
    return std::nullopt;
  std::vector<T> values;
  for (std::string_view part : parts) {
    std::optional<T> value = parse(part);
    if (!value)
      return std::nullopt;
    values.push_back(*value);
  }
  switch (values.size()) {
    case 1:
      return Sides<T>::all(values[0]);
    case 2:
      return Sides<T>{values[0], values[1], values[0], values[1]};
    case 3:
      return Sides<T>{values[0], values[1], values[2], values[1]};
    default:
      return Sides<T>{values[0], values[1], values[2], values[3]};
  }
}

struct BorderParts {
  std::optional<int> width;
  std::optional<BorderStyle> style;
  std::optional<Color> color;
};

// "1px solid red", "solid", "2px inset": any order, each part at most once.
std::optional<BorderParts> parseBorderShorthand(std::string_view text) {
  BorderParts parts;
  for (std::string_view part : css::splitValues(text)) {
    if (auto width = parseBorderWidth(part); width && !parts.width) {
      parts.width = width;
    } else if (auto style = parseBorderStyle(part); style && !parts.style) {
      parts.style = style;
    } else if (auto color = Color::parse(part); color && !parts.color) {
      parts.color = color;
    } else {
      return std::nullopt;
    }
  }
  return parts;
}

// A shorthand border resets what it does not name: "border: solid" gives a medium black border.
void applyBorderSide(ComputedStyle& style, int Sides<int>::*width,
                     BorderStyle Sides<BorderStyle>::*kind,
                     std::optional<Color> Sides<std::optional<Color>>::*color,
                     const BorderParts& parts) {
  style.borderWidth.*width = parts.width.value_or(ComputedStyle::kMediumBorder);
  style.borderStyle.*kind = parts.style.value_or(BorderStyle::None);
  style.borderColor.*color = parts.color;
}

struct SideMembers {
  const char* name;
  Length Sides<Length>::*length;
  int Sides<int>::*width;
  BorderStyle Sides<BorderStyle>::*style;
  std::optional<Color> Sides<std::optional<Color>>::*color;
};

constexpr SideMembers kSides[] = {
    {"top", &Sides<Length>::top, &Sides<int>::top, &Sides<BorderStyle>::top,
     &Sides<std::optional<Color>>::top},
    {"right", &Sides<Length>::right, &Sides<int>::right, &Sides<BorderStyle>::right,
     &Sides<std::optional<Color>>::right},
    {"bottom", &Sides<Length>::bottom, &Sides<int>::bottom, &Sides<BorderStyle>::bottom,
     &Sides<std::optional<Color>>::bottom},
    {"left", &Sides<Length>::left, &Sides<int>::left, &Sides<BorderStyle>::left,
     &Sides<std::optional<Color>>::left},
};

template <class Enum>
struct Keyword {
  const char* name;
  Enum value;
};

template <class Enum, size_t N>
bool applyKeyword(const Keyword<Enum> (&keywords)[N], std::string_view text, Enum& out) {
  std::string value = css::lowerCase(text);
  for (const Keyword<Enum>& keyword : keywords) {
    if (value == keyword.name) {
      out = keyword.value;
      return true;
    }
  }
  return false;
}

constexpr Keyword<Display> kDisplays[] = {
    {"none", Display::None},
    {"block", Display::Block},
    {"list-item", Display::Block},
    {"inline", Display::Inline},
    {"inline-block", Display::InlineBlock},
    {"table", Display::Table},
    {"table-row-group", Display::TableRowGroup},
    {"table-header-group", Display::TableRowGroup},
    {"table-footer-group", Display::TableRowGroup},
    {"table-row", Display::TableRow},
    {"table-cell", Display::TableCell},
    {"table-caption", Display::TableCaption},
};
constexpr Keyword<Position> kPositions[] = {
    {"static", Position::Static},
    {"relative", Position::Relative},
    {"absolute", Position::Absolute},
    {"fixed", Position::Fixed},
};
constexpr Keyword<Overflow> kOverflows[] = {
    {"visible", Overflow::Visible},
    {"hidden", Overflow::Hidden},
    {"scroll", Overflow::Scroll},
    {"auto", Overflow::Auto},
};
constexpr Keyword<WhiteSpace> kWhiteSpaces[] = {
    {"normal", WhiteSpace::Normal},
    {"pre", WhiteSpace::Pre},
    {"nowrap", WhiteSpace::NoWrap},
};
constexpr Keyword<Visibility> kVisibilities[] = {
    {"visible", Visibility::Visible},
    {"hidden", Visibility::Hidden},
    {"collapse", Visibility::Hidden},
};

bool applySideProperty(ComputedStyle& style, const std::string& property, std::string_view value) {
  for (const SideMembers& side : kSides) {
    std::string suffix = std::string("-") + side.name;
    if (property == "margin" + suffix) {
      auto length = parseLengthOrAuto(value, Sign::Any);
      if (length)
        style.margin.*side.length = *length;
      return true;
    }
    if (property == "padding" + suffix) {
      auto length = parseLength(value, true, Sign::NonNegative);
      if (length)
        style.padding.*side.length = *length;
      return true;
    }
    if (property == "border" + suffix) {
      if (auto parts = parseBorderShorthand(value))
        applyBorderSide(style, side.width, side.style, side.color, *parts);
      return true;
    }
    if (property == "border" + suffix + "-width") {
      if (auto width = parseBorderWidth(value))
        style.borderWidth.*side.width = *width;
      return true;
    }
    if (property == "border" + suffix + "-style") {
      if (auto kind = parseBorderStyle(value))
        style.borderStyle.*side.style = *kind;
      return true;
    }
    if (property == "border" + suffix + "-color") {
      if (auto color = Color::parse(value))
        style.borderColor.*side.color = *color;
      return true;
    }
  }
  return false;
}

void applyBoxProperty(ComputedStyle& style, const std::string& property, std::string_view value) {
  if (property == "margin") {
    if (auto sides = parseSides<Length>(
            value, [](std::string_view part) { return parseLengthOrAuto(part, Sign::Any); })) {
      style.margin = *sides;
    }
  } else if (property == "padding") {
    if (auto sides = parseSides<Length>(value, [](std::string_view part) {
          return parseLength(part, true, Sign::NonNegative);
        })) {
      style.padding = *sides;
    }
  } else if (property == "border") {
    if (auto parts = parseBorderShorthand(value)) {
      for (const SideMembers& side : kSides)
        applyBorderSide(style, side.width, side.style, side.color, *parts);
    }
  } else if (property == "border-width") {
    if (auto sides = parseSides<int>(value, parseBorderWidth))
      style.borderWidth = *sides;
  } else if (property == "border-style") {
    if (auto sides = parseSides<BorderStyle>(value, parseBorderStyle))
      style.borderStyle = *sides;
  } else if (property == "border-color") {
    if (auto sides = parseSides<Color>(value, Color::parse)) {
      style.borderColor = {sides->top, sides->right, sides->bottom, sides->left};
    }
  } else {
    applySideProperty(style, property, value);
  }
}

void applyProperty(ComputedStyle& style, const std::string& property, std::string_view value) {
  if (property == "display") {
    applyKeyword(kDisplays, value, style.display);
  } else if (property == "position") {
    applyKeyword(kPositions, value, style.position);
  } else if (property == "overflow") {
    applyKeyword(kOverflows, value, style.overflow);
  } else if (property == "white-space") {
    applyKeyword(kWhiteSpaces, value, style.whiteSpace);
  } else if (property == "visibility") {
    applyKeyword(kVisibilities, value, style.visibility);
  } else if (property == "left" || property == "top") {
    if (auto length = parseLengthOrAuto(value, Sign::Any))
      (property == "left" ? style.left : style.top) = *length;
  } else if (property == "width" || property == "height") {
    if (auto length = parseLengthOrAuto(value, Sign::NonNegative))
      (property == "width" ? style.width : style.height) = *length;
  } else if (property == "color") {
    if (auto color = Color::parse(value); color && !color->isTransparent())
      style.color = *color;
  } else if (property == "background-color") {
    if (auto color = Color::parse(value))
      style.backgroundColor = *color;
  } else if (property == "background") {
    // Only the colour of the shorthand means anything here: "url(x.png) #fff no-repeat".
    for (std::string_view part : css::splitValues(value)) {
      if (auto color = Color::parse(part))
        style.backgroundColor = *color;
    }
  } else if (property == "z-index") {
    std::string text(value);
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() && *end == '\0')
      style.zIndex = int(number);
  } else if (property == "border-spacing") {
    if (auto length = parseLength(value, false, Sign::NonNegative))
      style.borderSpacing = int(length->value());
  } else {
    applyBoxProperty(style, property, value);
  }
}

}  // namespace

DeclarationBlock DeclarationBlock::parse(std::string_view text) {
  DeclarationBlock block;
  std::string source = css::stripComments(text);
  for (std::string_view part : css::splitOutsideParentheses(source, ';')) {
    size_t colon = part.find(':');
    if (colon == std::string_view::npos)
      continue;
    std::string property = css::lowerCase(css::trim(part.substr(0, colon)));
    std::string_view value = css::trim(part.substr(colon + 1));
    size_t bang = value.find('!');
    if (bang != std::string_view::npos)
      value = css::trim(value.substr(0, bang));
    if (property.empty() || value.empty())
      continue;
    block.mDeclarations.push_back({property, std::string(value)});
  }
  return block;
}

void DeclarationBlock::applyTo(ComputedStyle& style) const {
  for (const Declaration& declaration : mDeclarations)
    applyProperty(style, declaration.property, declaration.value);
}

}  // namespace geckohost::layout
