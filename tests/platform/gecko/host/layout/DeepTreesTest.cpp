// Pages nested far deeper than boxes go: layout stops at BoxTreeBuilder::kMaxBoxDepth element
// levels, and everything from the parser to hit-testing copes with the DOM below that.
#include <string>

#include "ShownPage.h"
#include "dom/DOMStrings.h"
#include "layout/BoxTreeBuilder.h"

namespace geckohost::testing {
namespace {

class DeepTreesTest : public LeakCheckedTest {};

std::string repeated(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i)
    out += text;
  return out;
}

std::u16string idOf(const char* prefix, int number) {
  return dom::utf8ToUTF16(prefix + std::to_string(number));
}

// 250 divs d1..d250, each a line "x" above the next: html and body take two levels, so d1 to
// d198 are laid out (16 px lines from y 8) and d199 on have no box. The viewport is tall
// enough to show every line.
TEST_F(DeepTreesTest, BoxesStopAtTheDeepestLevelThatIsLaidOut) {
  const int divs = 250;
  std::string markup;
  for (int i = 1; i <= divs; ++i)
    markup += "<div id=d" + std::to_string(i) + ">x";
  ShownPage page(markup + repeated("</div>", divs), nsIntSize(800, 4000));
  const int laidOut = layout::BoxTreeBuilder::kMaxBoxDepth - 2;

  EXPECT_EQ(page.byId(idOf("d", 1).c_str())->offsetBox().height, 16 * laidOut);
  dom::Element* deepest = page.byId(idOf("d", laidOut).c_str());
  EXPECT_EQ(deepest->offsetBox().top, 8 + 16 * (laidOut - 1));
  EXPECT_EQ(deepest->offsetBox().height, 16);
  dom::Element* below = page.byId(idOf("d", laidOut + 1).c_str());
  EXPECT_EQ(below->offsetBox().height, 0);
  EXPECT_EQ(below->offsetBox().offsetParent, nullptr);

  // The deepest line hits its div; below the last line lies the body.
  EXPECT_EQ(page.document->elementFromPoint(10, 8 + 16 * (laidOut - 1) + 4), deepest);
  dom::Element* underneath = page.document->elementFromPoint(10, 8 + 16 * laidOut + 4);
  ASSERT_TRUE(underneath);
  EXPECT_EQ(u8(underneath->localName()), "html");
}

// 50,000 nested spans s1..s50000, each with its letter before the next span: one text run of
// the letters that have boxes, on lines of 98 characters (784 px of body).
TEST_F(DeepTreesTest, FiftyThousandNestedInlineElementsLayOutAndHit) {
  const int spans = 50000;
  std::string markup = "<body style='margin:8px'>";
  for (int i = 1; i <= spans; ++i)
    markup += "<span id=s" + std::to_string(i) + ">a";
  ShownPage page(markup + repeated("</span>", spans) + "<p id=after>after</p>");

  // The sixth letter of the first line belongs to s6; the paragraph after the spans is in flow.
  dom::Element* hit = page.document->elementFromPoint(8 + 8 * 5 + 4, 12);
  ASSERT_TRUE(hit);
  EXPECT_EQ(u8(hit->id()), "s6");
  dom::Element* after = page.byId(u"after");
  EXPECT_GT(after->offsetBox().top, 8);
  EXPECT_EQ(page.document->elementFromPoint(12, after->offsetBox().top + 4), after);
  EXPECT_EQ(page.byId(idOf("s", spans).c_str())->offsetBox().width, 0);
  EXPECT_EQ(page.byId(u"s1")->textContent()->size(), size_t(spans));
}

// Tables inside tables 1,000 deep: four elements a level (table, tbody, tr, td), so t0 to t49 (at
// element level 199) get boxes. Laying them out, measuring their scroll extent and hit-testing stay
// quick.
TEST_F(DeepTreesTest, NestedTablesLayOutAsDeepAsBoxesGo) {
  const int tables = 1000;
  std::string markup;
  for (int i = 0; i < tables; ++i)
    markup += "<table id=t" + std::to_string(i) + " border=1><tr><td>";
  ShownPage page(markup + "x" + repeated("</td></tr></table>", tables));
  dom::Element* outer = page.byId(u"t0");
  EXPECT_GT(outer->offsetBox().width, 0);
  EXPECT_GT(page.byId(u"t49")->offsetBox().width, 0);
  EXPECT_EQ(page.byId(u"t50")->offsetBox().width, 0);
  dom::Element* hit =
      page.document->elementFromPoint(outer->offsetBox().left + 1, outer->offsetBox().top + 1);
  EXPECT_EQ(hit, outer);
}

}  // namespace
}  // namespace geckohost::testing
