// The flow rules of docs/layout.md on small pages, each rectangle worked out by hand from the
// rules (800x600 viewport, body margin 8, 8x16 pixel text).
#include "ShownPage.h"

namespace geckohost::testing {
namespace {

class FlowRulesTest : public LeakCheckedTest {};

nsRect boxOf(ShownPage& page, const char16_t* id) {
  return page.layout().borderBoxInDocument(*page.byId(id));
}

nsRect textIn(ShownPage& page, const char16_t* id) {
  return page.layout().borderBoxInDocument(*page.byId(id)->firstChild());
}

TEST_F(FlowRulesTest, MarginsCollapseOnlyWhereTheyAdjoin) {
  ShownPage page(
      "<div id=a style='margin-bottom:20px;height:10px'></div>"
      "<div id=b style='margin-top:-5px;height:10px'></div>"
      "<div id=c style='overflow:hidden;margin-top:10px'><p id=cp style='margin:12px 0'>x</p></div>"
      "<div id=d style='padding-top:1px'><p id=dp style='margin-top:12px'>y</p></div>"
      "<div id=e style='height:5px'></div>");
  // a starts where the body does; b after the margins 20 and -5 collapsed to 15.
  EXPECT_EQ(boxOf(page, u"a"), nsRect(8, 8, 784, 10));
  EXPECT_EQ(boxOf(page, u"b"), nsRect(8, 33, 784, 10));
  // c scrolls (overflow:hidden), so its child's margins stay inside it.
  EXPECT_EQ(boxOf(page, u"c"), nsRect(8, 53, 784, 40));
  EXPECT_EQ(boxOf(page, u"cp"), nsRect(8, 65, 784, 16));
  // d's top padding separates the margins; its bottom lets dp's 16 through to e.
  EXPECT_EQ(boxOf(page, u"d"), nsRect(8, 93, 784, 29));
  EXPECT_EQ(boxOf(page, u"dp"), nsRect(8, 106, 784, 16));
  EXPECT_EQ(boxOf(page, u"e"), nsRect(8, 138, 784, 5));
}

TEST_F(FlowRulesTest, OverflowOfTheRootOrBodyGoesToTheViewport) {
  {
    ShownPage page("<body style='overflow:hidden'><div id=d style='height:2000px'></div>");
    ScrollBox root = page.document->documentElement()->scrollBox();
    EXPECT_EQ(root.clientWidth, 800);  // no scrollbars
    EXPECT_EQ(root.clientHeight, 600);
    EXPECT_EQ(root.scrollHeight, 2016);
    page.document->documentElement()->scrollTo(0, 100);  // hidden still scrolls by script
    EXPECT_EQ(page.layout().scrollPosition().y, 100);
    EXPECT_EQ(page.document->body()->scrollBox().clientHeight, 2000);  // the body does not clip
  }
  {
    ShownPage page("<html style='overflow:scroll'><p>short</p>");
    ScrollBox root = page.document->documentElement()->scrollBox();
    EXPECT_EQ(root.clientWidth, 784);
    EXPECT_EQ(root.clientHeight, 584);
  }
  {
    ShownPage page(
        "<html style='overflow:auto'><body style='overflow:hidden;height:50px'>"
        "<div style='height:300px'></div>");
    EXPECT_EQ(page.document->body()->scrollBox().clientHeight, 50);  // the body clips itself
    EXPECT_EQ(page.document->body()->scrollBox().scrollHeight, 300);
    EXPECT_EQ(page.document->documentElement()->scrollBox().clientWidth, 800);
  }
}

TEST_F(FlowRulesTest, AbsoluteBoxesTheirContainingBlocksAndStaticPositions) {
  ShownPage page(
      "<div id=cb style='position:relative;margin-left:50px;width:200px;height:100px;"
      "padding:10px;border:2px solid'>"
      "<div id=pct style='position:absolute;left:50%;top:10%;width:25%;height:50%'></div>"
      "<span>x<span id=ib style='position:absolute'>s</span></span>"
      "<div id=fx style='position:fixed;left:5px;top:6px;width:1px;height:1px'></div></div>"
      "<span id=rs style='position:relative;left:3px'>ab"
      "<span id=inner style='position:absolute;left:1px;top:2px'>z</span></span>");
  // cb's padding box: (60, 10, 220, 120).
  EXPECT_EQ(boxOf(page, u"pct"), nsRect(170, 22, 55, 60));
  // Where it would have been: after "x" on the first line of cb's content box (70, 20).
  EXPECT_EQ(boxOf(page, u"ib"), nsRect(78, 20, 8, 16));
  OffsetBox ib = page.offsets(u"ib");
  EXPECT_EQ(ib.offsetParent, page.byId(u"cb"));
  EXPECT_EQ(nsPoint(ib.left, ib.top), nsPoint(18, 10));
  // Fixed: the initial containing block; the body as offset parent.
  EXPECT_EQ(boxOf(page, u"fx"), nsRect(5, 6, 1, 1));
  EXPECT_EQ(page.offsets(u"fx").offsetParent, page.document->body());
  // An inline containing block: "ab" at (8, 132), moved 3 to the right with its content.
  EXPECT_EQ(boxOf(page, u"rs"), nsRect(11, 132, 16, 16));
  EXPECT_EQ(boxOf(page, u"inner"), nsRect(12, 134, 8, 16));
  EXPECT_EQ(page.offsets(u"inner").offsetParent, page.byId(u"rs"));
  EXPECT_EQ(page.offsets(u"inner").left, 1);
}

TEST_F(FlowRulesTest, TableRowsStretchAndCellsCentre) {
  ShownPage page(
      "<table cellspacing=0 cellpadding=0 height=100>"
      "<tr><td id=x rowspan=0>tall</td><td id=y>1</td></tr><tr><td id=z>2</td></tr></table>");
  // Columns 32 and 8; rows 16 and 16, the table's height giving its 68 spare to the last.
  EXPECT_EQ(boxOf(page, u"x"), nsRect(8, 8, 32, 100));
  EXPECT_EQ(boxOf(page, u"y"), nsRect(40, 8, 8, 16));
  EXPECT_EQ(boxOf(page, u"z"), nsRect(40, 24, 8, 84));
  EXPECT_EQ(textIn(page, u"x").y, 8 + 42);  // (100 - 16) / 2
  EXPECT_EQ(textIn(page, u"z").y, 24 + 34);
}

TEST_F(FlowRulesTest, InlineBoxesWordsAndWhiteSpace) {
  ShownPage page(
      "<div id=long style='width:40px'>abcdefghij klm</div>"
      "<pre id=pre>a\tb\n\nc</pre>"
      "<div id=nowrap style='white-space:nowrap;width:40px'>aa bb cc<br>dd</div>"
      "<div id=spaces>  x  <span id=s>  y  </span>  </div>");
  // A word wider than the line stands alone and overflows.
  EXPECT_EQ(textIn(page, u"long"), nsRect(8, 8, 80, 32));
  // pre: the tab is one space, the empty line keeps its height.
  EXPECT_EQ(textIn(page, u"pre"), nsRect(8, 56, 24, 48));
  EXPECT_EQ(textIn(page, u"nowrap"), nsRect(8, 120, 64, 16));
  EXPECT_EQ(boxOf(page, u"nowrap").height, 32);
  // Leading spaces drop, runs collapse, the space before the span stays, trailing ones hang.
  EXPECT_EQ(textIn(page, u"spaces"), nsRect(8, 152, 16, 16));
  EXPECT_EQ(textIn(page, u"s"), nsRect(24, 152, 8, 16));
  EXPECT_EQ(boxOf(page, u"s"), nsRect(24, 152, 8, 16));
}

}  // namespace
}  // namespace geckohost::testing
