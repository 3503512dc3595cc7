// The browser's own defaults per HTML tag, before the page's style applies: which tags are
// blocks, which are hidden, the margins of body, paragraphs, lists and headings, the borders
// and paddings of form controls and frames. docs/layout.md lists them in a table.
#ifndef GECKOHOST_LAYOUT_USERAGENTSTYLE_H
#define GECKOHOST_LAYOUT_USERAGENTSTYLE_H

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

struct ComputedStyle;

class UserAgentStyle {
 public:
  // Sets display and the default box model of `element`'s tag on `style` (which holds the
  // inherited values and initial values otherwise). Elements outside the HTML namespace stay
  // inline with no box model of their own.
  static void apply(const dom::Element& element, ComputedStyle& style);

  // The default margin of body, paragraphs, lists and headings, in CSS pixels.
  static constexpr int kBodyMargin = 8;
  static constexpr int kParagraphMargin = 16;
  static constexpr int kIndent = 40;
  static constexpr int kTableSpacing = 2;
  static constexpr int kCellPadding = 1;
  static constexpr int kControlBorder = 2;
  static constexpr int kFrameBorder = 2;
};

}  // namespace geckohost::layout

#endif
