// The style of one element after the user-agent defaults, the presentational attributes, the
// page's style sheets and the style attribute have been applied: the handful of properties
// this layout understands, in the units it works in.
//
// Inherited properties (color, white-space, visibility) start from the parent's values; all
// others start from their CSS initial values, which the defaults of each tag then change.
#ifndef GECKOHOST_LAYOUT_COMPUTEDSTYLE_H
#define GECKOHOST_LAYOUT_COMPUTEDSTYLE_H

#include "layout/Color.h"
#include "layout/Length.h"
#include "layout/Sides.h"

namespace geckohost::layout {

enum class Display : unsigned char {
  None,
  Block,
  Inline,
  InlineBlock,
  Table,
  TableRowGroup,
  TableRow,
  TableCell,
  TableCaption,
};

enum class Position : unsigned char { Static, Relative, Absolute, Fixed };
enum class Overflow : unsigned char { Visible, Hidden, Scroll, Auto };
enum class WhiteSpace : unsigned char { Normal, Pre, NoWrap };
enum class Visibility : unsigned char { Visible, Hidden };
// Every style but none paints as a plain line; inset and outset are shaded like controls.
enum class BorderStyle : unsigned char { None, Solid, Inset, Outset };

struct ComputedStyle {
  Display display = Display::Inline;
  Position position = Position::Static;
  Overflow overflow = Overflow::Visible;
  WhiteSpace whiteSpace = WhiteSpace::Normal;
  Visibility visibility = Visibility::Visible;

  Length left;
  Length top;
  Length width;
  Length height;
  Sides<Length> margin = Sides<Length>::all(Length::px(0));
  Sides<Length> padding = Sides<Length>::all(Length::px(0));
  // Widths as the style gives them; a side whose style is None has no border at all.
  Sides<int> borderWidth = Sides<int>::all(kMediumBorder);
  Sides<BorderStyle> borderStyle = Sides<BorderStyle>::all(BorderStyle::None);
  // Unset means "the text colour", as CSS's initial currentColor.
  Sides<std::optional<Color>> borderColor;

  Color color = Color::rgb(0, 0, 0);
  Color backgroundColor = Color::transparent();
  // Horizontal and vertical gap between table cells (tables only).
  int borderSpacing = 0;
  int zIndex = 0;

  // The border widths that take space: 0 on sides without a border style.
  Sides<int> usedBorder() const;
  bool isPositioned() const { return position != Position::Static; }
  bool isOutOfFlow() const { return position == Position::Absolute || position == Position::Fixed; }
  bool clipsContent() const { return overflow != Overflow::Visible; }

  // A style for a child element: the inherited properties copied, the rest initial.
  ComputedStyle inheritedBy() const;

  // CSS's "medium" border width.
  static constexpr int kMediumBorder = 3;
};

}  // namespace geckohost::layout

#endif
