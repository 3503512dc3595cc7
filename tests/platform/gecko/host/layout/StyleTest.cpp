// The style subset: declarations and shorthands, colours, selectors and their specificity, the
// order in which defaults, attributes, rules and the style attribute apply.
#include "ShownPage.h"
#include "layout/Color.h"
#include "layout/ComputedStyle.h"
#include "layout/DeclarationBlock.h"
#include "layout/Selector.h"
#include "layout/StyleResolver.h"

namespace geckohost::testing {
namespace {

using namespace layout;

class StyleTest : public LeakCheckedTest {};

ComputedStyle styleFrom(const char* declarations) {
  ComputedStyle style;
  DeclarationBlock::parse(declarations).applyTo(style);
  return style;
}

TEST_F(StyleTest, ShorthandsExpandAndBadValuesAreSkipped) {
  ComputedStyle style = styleFrom("margin: 1px 2px 3px; padding: 4px 5px; border: 2px solid red");
  EXPECT_EQ(style.margin.top, Length::px(1));
  EXPECT_EQ(style.margin.right, Length::px(2));
  EXPECT_EQ(style.margin.bottom, Length::px(3));
  EXPECT_EQ(style.margin.left, Length::px(2));
  EXPECT_EQ(style.padding.bottom, Length::px(4));
  EXPECT_EQ(style.padding.left, Length::px(5));
  EXPECT_EQ(style.usedBorder(), Sides<int>::all(2));
  EXPECT_EQ(*style.borderColor.left, Color::rgb(255, 0, 0));

  // A later declaration wins; unknown properties, unreadable values, negative paddings and
  // units this layout does not know leave the earlier values alone.
  style = styleFrom(
      "width: 10px; width: 20%; height: 30px; height: -5px; padding-left: -2px; color: nonsense;"
      "margin-left: 3cm; unknown: 1px; left: 1.5em; top: 12pt; border-left: 4px; display: grid");
  EXPECT_EQ(style.width, Length::percent(20));
  EXPECT_EQ(style.height, Length::px(30));
  EXPECT_EQ(style.padding.left, Length::px(0));
  EXPECT_EQ(style.color, Color::rgb(0, 0, 0));
  EXPECT_EQ(style.margin.left, Length::px(0));
  EXPECT_EQ(style.left, Length::px(24));
  EXPECT_EQ(style.top, Length::px(16));
  EXPECT_EQ(style.usedBorder().left, 0);  // a width alone: the style stays none
  EXPECT_EQ(style.display, Display::Inline);

  // "border: solid" takes the medium width; "none" removes what takes room.
  EXPECT_EQ(styleFrom("border: solid").usedBorder(), Sides<int>::all(3));
  EXPECT_EQ(styleFrom("border: 5px solid; border-top-style: none").usedBorder().top, 0);
  EXPECT_EQ(styleFrom("margin: 0 auto").margin.left, Length::autoLength());
  EXPECT_EQ(styleFrom("position:ABSOLUTE ! important").position, Position::Absolute);
  EXPECT_EQ(styleFrom("background: url(x.png) #0f0 no-repeat").backgroundColor,
            Color::rgb(0, 255, 0));
}

TEST_F(StyleTest, Colours) {
  EXPECT_EQ(Color::parse("#f00"), Color::rgb(255, 0, 0));
  EXPECT_EQ(Color::parse("#00FF7f"), Color::rgb(0, 255, 127));
  EXPECT_EQ(Color::parse("rgb(300, -1, 16)"), Color::rgb(255, 0, 16));
  EXPECT_EQ(Color::parse("Teal"), Color::rgb(0, 128, 128));
  EXPECT_TRUE(Color::parse("transparent")->isTransparent());
  EXPECT_FALSE(Color::parse("#ff"));
  EXPECT_FALSE(Color::parse("#ggg"));
  EXPECT_FALSE(Color::parse("rgb(1,2)"));
  EXPECT_FALSE(Color::parse("bluish"));
}

TEST_F(StyleTest, SelectorsMatchAndCountSpecificity) {
  auto page = parsePage("<p id=x class='note wide'>a</p><P class=note>b</p>");
  dom::Element& first = *page->getElementById(u"x");
  dom::Element& second = *first.nextElementSibling();
  struct Case {
    const char* selector;
    bool first;
    bool second;
    int specificity;
  };
  const Case cases[] = {
      {"p", true, true, 1},      {"*", true, true, 0},
      {".note", true, true, 10}, {"p.note.wide", true, false, 21},
      {"#x", true, false, 100},  {"p#x.note", true, false, 111},
      {"div", false, false, 1},  {".wid", false, false, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selector);
    std::optional<Selector> selector = Selector::parse(c.selector);
    ASSERT_TRUE(selector);
    EXPECT_EQ(selector->matches(first), c.first);
    EXPECT_EQ(selector->matches(second), c.second);
    EXPECT_EQ(selector->specificity(), c.specificity);
  }
  for (const char* unsupported : {"div p", "a:hover", "p > b", "[type=text]", "p.", ""})
    EXPECT_FALSE(Selector::parse(unsupported)) << unsupported;
}

TEST_F(StyleTest, CascadeOrder) {
  // Default < attribute < rules by specificity and order < style attribute.
  auto page = parsePage(
      "<style>#t { width: 40px } td { width: 10px } .c { width: 20px } td { padding: 7px }"
      "</style><style type='text/plain'>td { width: 99px }</style>"
      "<table><tr><td id=t class=c width=5>a</td><td id=u class=c width=6 style='width:70px'>"
      "</td><td id=v width=8>c</td></tr></table>");
  StyleResolver resolver(*page);
  ComputedStyle parent;
  auto resolve = [&](const char16_t* id) {
    return resolver.resolve(*page->getElementById(id), parent);
  };
  EXPECT_EQ(resolve(u"t").width, Length::px(40));
  EXPECT_EQ(resolve(u"u").width, Length::px(70));
  EXPECT_EQ(resolve(u"v").width, Length::px(10));
  EXPECT_EQ(resolve(u"v").padding.top, Length::px(7));  // the rule beats the cell default 1
  EXPECT_EQ(resolve(u"v").display, Display::TableCell);

  auto bare = parsePage("<td id=b>x</td><table cellpadding=3 border=2><tr><td id=c>");
  StyleResolver hints(*bare);
  ComputedStyle cell = hints.resolve(*bare->getElementById(u"c"), parent);
  EXPECT_EQ(cell.padding.left, Length::px(3));
  EXPECT_EQ(cell.usedBorder(), Sides<int>::all(1));
}

}  // namespace
}  // namespace geckohost::testing
