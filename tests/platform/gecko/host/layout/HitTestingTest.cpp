// elementFromPoint over pages drawn below: tables of viewport points and the element (by id)
// expected there. "-" is null, "html" the root element (the canvas and scrollbars are its).
#include <vector>

#include "ShownPage.h"

namespace geckohost::testing {
namespace {

struct Probe {
  int x;
  int y;
  const char* expected;
};

std::string nameAt(ShownPage& page, int x, int y) {
  dom::Element* element = page.document->elementFromPoint(x, y);
  if (!element)
    return "-";
  std::string id = u8(element->id());
  return id.empty() ? u8(element->localName()) : id;
}

void expectProbes(ShownPage& page, const std::vector<Probe>& probes) {
  for (const Probe& probe : probes) {
    EXPECT_EQ(nameAt(page, probe.x, probe.y), probe.expected)
        << "at (" << probe.x << ", " << probe.y << ")";
  }
}

class HitTestingTest : public LeakCheckedTest {};

// 400x300 viewport, body at (8, 8):
//   #block   (8,8 200x50) holding the text "word here" at (8,8 72x16)
//   #over    absolute (100,20 50x50), over #block's right part
//   #under   absolute z-index -1 (150,8 100x200): under #block, and under the body (8,8 384x70)
//            and the root (0,0 400x86) too, as in-flow boxes paint above negative z-indexes
//   #hidden  visibility:hidden (8,58 100x20)
TEST_F(HitTestingTest, TopmostBoxInPaintOrderAndTextGivesItsElement) {
  ShownPage page(
      "<div id=block style='width:200px;height:50px'>word <span id=s>here</span></div>"
      "<div id=over style='position:absolute;left:100px;top:20px;width:50px;height:50px'></div>"
      "<div id=under style='position:absolute;z-index:-1;left:150px;top:8px;width:100px;"
      "height:200px'></div>"
      "<div id=hidden style='visibility:hidden;width:100px;height:20px'></div>",
      nsIntSize(400, 300));
  expectProbes(page, {
                         {8, 8, "block"},      // the text "word" gives its element
                         {50, 10, "s"},        // text inside the span: the span
                         {79, 23, "s"},        // last pixel of "here" (48..80, 8..24)
                         {80, 10, "block"},    // right of the text, inside the block
                         {100, 20, "over"},    // positioned boxes paint above the flow
                         {149, 69, "over"},    // its last pixel
                         {150, 69, "body"},    // just right of it: below #block, in body
                         {160, 10, "block"},   // negative z-index paints below the flow
                         {220, 10, "body"},    // ... below the body's box too
                         {160, 150, "under"},  // ... and shows where no box covers it
                         {20, 60, "body"},     // a hidden box is not hit
                         {399, 299, "html"},   // below everything: the canvas
                         {-1, 10, "-"},        // outside the viewport
                         {400, 10, "-"},
                         {10, 300, "-"},
                     });
}

TEST_F(HitTestingTest, ScrollingMovesWhatIsUnderAPointAndClipsWhatOverflows) {
  // #box (8,8 100x60) scrolls its 300-high content; #a is its first 100 pixels, #b the next.
  ShownPage page(
      "<div id=box style='overflow:auto;width:100px;height:60px'>"
      "<div id=a style='height:100px'></div><div id=b style='height:200px'></div></div>"
      "<div id=tall style='height:2000px'></div>",
      nsIntSize(400, 300));
  expectProbes(page, {{10, 10, "a"},
                      {10, 67, "a"},
                      {10, 68, "tall"},  // #a goes on below, but the box clips it
                      {91, 10, "a"},
                      {92, 10, "box"}});  // the vertical bar (x 92..108) belongs to the box
  page.byId(u"box")->scrollTo(0, 95);
  expectProbes(page, {{10, 10, "a"}, {10, 13, "b"}, {10, 67, "b"}});
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 95);

  // The viewport: points are viewport coordinates, the document moves under them. Its bar
  // (x 384..400) belongs to the root element.
  page.layout().scrollViewportTo(0, 100);
  expectProbes(page, {{10, 10, "tall"}, {390, 10, "html"}});
  page.layout().scrollViewportTo(0, 0);
  expectProbes(page, {{10, 12, "a"}, {10, 14, "b"}});  // the box is still scrolled by 95
}

TEST_F(HitTestingTest, ReplacedBoxesListRowsTablesAndFrames) {
  ShownPage page(
      "<select id=list size=2><option id=o1>one<option id=o2>two<option id=o3>three</select>"
      "<iframe id=f width=50 height=20></iframe>"
      "<table id=t cellspacing=4><tr id=row><td id=c1>x</td><td id=c2>y</td></tr></table>",
      nsIntSize(400, 300));
  // The list box (8,8 60x36): rows at y 10 and 26 left of its bar (x 50..66).
  // The iframe (68,20 54x24) sits on the baseline. The table starts at y 44: spacing 4, the
  // first cell (12,48 10x18), the second from x 26.
  expectProbes(page, {
                         {10, 11, "o1"},
                         {10, 27, "o2"},
                         {55, 11, "list"},  // the list box's scrollbar
                         {70, 30, "f"},     // the iframe element, not its document
                         {13, 53, "c1"},
                         {11, 53, "t"},    // the spacing left of the first cell
                         {23, 53, "row"},  // between the cells: the row
                     });
  page.byId(u"list")->scrollTo(0, 16);
  expectProbes(page, {{10, 11, "o2"}, {10, 27, "o3"}});
}

TEST_F(HitTestingTest, FramesetCellsAndBorders) {
  ShownPage page("<frameset id=set cols='100,*'><frame id=left><frame id=right></frameset>",
                 nsIntSize(400, 300));
  expectProbes(page, {{0, 0, "left"},
                      {99, 299, "left"},
                      {100, 10, "set"},
                      {105, 10, "set"},
                      {106, 10, "right"},
                      {399, 299, "right"}});
}

}  // namespace
}  // namespace geckohost::testing
