// What the windows side takes from a document's layout: frames for content nodes (and the
// combo box frame of a drop-down select), where child widgets of frames go, device pixels at
// a zoom, and re-layout when the page, the viewport or the zoom changes.
#include "ShownPage.h"
#include "dom/HTMLSelectElement.h"
#include "dom/XULDocument.h"
#include "layout/DevicePixels.h"
#include "layout/FramesetLayout.h"
#include "layout/TableLayout.h"
#include "nsIComboboxControlFrame.h"
#include "nsIContent.h"
#include "nsIFrame.h"
#include "parser/XULParser.h"

namespace geckohost::testing {
namespace {

using namespace layout;

class FramesAndShellTest : public LeakCheckedTest {};

constexpr int kUnits = 60;  // app units per CSS pixel

TEST_F(FramesAndShellTest, PrimaryFramesMirrorBoxes) {
  ShownPage page(
      "<div id=d style='margin-left:20px'><span id=s>ab</span><b id=b>c</b></div>"
      "<p id=none style='display:none'>x</p>");
  dom::Element* div = page.byId(u"d");
  nsIFrame* frame = page.layout().primaryFrameFor(*div);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->GetContent(), div->asContent());
  EXPECT_EQ(frame->GetView(), nullptr);
  // Relative to the body's box (8, 8): 20 pixels right.
  EXPECT_EQ(frame->GetRect(), nsRect(20 * kUnits, 0, 764 * kUnits, 16 * kUnits));
  nsIFrame* body = frame->GetParent();
  EXPECT_EQ(body->GetContent(), page.document->body()->asContent());
  EXPECT_EQ(body->GetParent()->GetParent(), page.layout().rootFrame());
  EXPECT_EQ(page.layout().rootFrame()->GetContent(), nullptr);

  nsIFrame* span = page.layout().primaryFrameFor(*page.byId(u"s"));
  EXPECT_EQ(span->GetParent(), frame);
  EXPECT_EQ(span->GetNextSibling(), page.layout().primaryFrameFor(*page.byId(u"b")));
  EXPECT_EQ(static_cast<nsIFrame*>(do_QueryFrame(span)), span);
  EXPECT_EQ(static_cast<nsIComboboxControlFrame*>(do_QueryFrame(span)), nullptr);
  EXPECT_EQ(page.layout().primaryFrameFor(*page.byId(u"none")), nullptr);
  EXPECT_EQ(page.layout().primaryFrameFor(*page.byId(u"s")->firstChild())->GetRect(),
            nsRect(0, 0, 16 * kUnits, 16 * kUnits));
}

TEST_F(FramesAndShellTest, ComboBoxFrameOpensItsListAndTellsTheWindowsSide) {
  ShownPage page(
      "<select id=c><option>a<option selected>bb<option>c</select>"
      "<select id=l size=3><option>x</select>");
  std::vector<std::pair<std::string, bool>> heard;
  page.layout().setDropDownListener(
      [&](dom::Element& select, bool open) { heard.emplace_back(u8(select.id()), open); });
  nsIComboboxControlFrame* combo = do_QueryFrame(page.layout().primaryFrameFor(*page.byId(u"c")));
  ASSERT_TRUE(combo);
  EXPECT_EQ(static_cast<nsIComboboxControlFrame*>(
                do_QueryFrame(page.layout().primaryFrameFor(*page.byId(u"l")))),
            nullptr);
  EXPECT_FALSE(combo->IsDroppedDown());
  EXPECT_EQ(combo->GetIndexOfDisplayArea(), 1);
  nsIFrame* list = combo->GetDropDown();
  ASSERT_TRUE(list);
  // Below the select's box (8,8 36x20): 3 rows of 16 and a 1 pixel border above and below.
  EXPECT_EQ(list->GetRect(), nsRect(0, 20 * kUnits, 36 * kUnits, 50 * kUnits));
  EXPECT_EQ(list->GetContent(), page.byId(u"c")->asContent());

  combo->ShowDropDown(true);
  combo->ShowDropDown(true);  // no change, nothing heard
  EXPECT_TRUE(combo->IsDroppedDown());
  // The state outlives a re-layout (which makes new frames).
  page.byId(u"l")->setAttribute(u"size", u"4");
  nsIComboboxControlFrame* again = do_QueryFrame(page.layout().primaryFrameFor(*page.byId(u"c")));
  EXPECT_TRUE(again->IsDroppedDown());
  again->RollupFromList();
  EXPECT_FALSE(again->IsDroppedDown());
  again->ShowDropDown(true);
  // A select that becomes a list box loses its drop-down.
  page.byId(u"c")->setAttribute(u"size", u"2");
  EXPECT_EQ(page.layout().primaryFrameFor(*page.byId(u"c"))->GetContent(),
            page.byId(u"c")->asContent());
  std::vector<std::pair<std::string, bool>> expected = {
      {"c", true}, {"c", false}, {"c", true}, {"c", false}};
  EXPECT_EQ(heard, expected);
}

TEST_F(FramesAndShellTest, FrameContentRectanglesOnTheDevice) {
  ShownPage page(
      "<div style='height:30px'></div><iframe id=f width=100 height=50></iframe>"
      "<div style='height:2000px'></div>",
      nsIntSize(400, 300), 1.5);
  // CSS: the iframe's border box at (8, 38), its content inside the 2 pixel border (10, 40).
  EXPECT_EQ(page.layout().frameContentRectOnDevice(*page.byId(u"f")), nsIntRect(15, 60, 150, 75));
  page.layout().scrollViewportTo(0, 7);
  // 40 - 7 = 33 -> 49.5 -> 49
  EXPECT_EQ(page.layout().frameContentRectOnDevice(*page.byId(u"f")), nsIntRect(15, 49, 150, 75));
  EXPECT_EQ(page.layout().frameContentRectOnDevice(*page.document->body()), nsIntRect());

  ShownPage frames("<frameset rows='40%,*'><frame id=a><frame id=b></frameset>",
                   nsIntSize(300, 206), 1.0);
  EXPECT_EQ(frames.layout().frameContentRectOnDevice(*frames.byId(u"a")), nsIntRect(0, 0, 300, 80));
  EXPECT_EQ(frames.layout().frameContentRectOnDevice(*frames.byId(u"b")),
            nsIntRect(0, 86, 300, 120));
}

TEST_F(FramesAndShellTest, LayoutFollowsTheDocumentTheViewportAndTheZoom) {
  ShownPage page("<div id=d style='width:50%'>x</div>", nsIntSize(400, 300));
  EXPECT_EQ(page.offsets(u"d").width, 192);
  page.layout().setViewportSize(nsIntSize(600, 300));
  EXPECT_EQ(page.offsets(u"d").width, 292);
  page.layout().setZoom(2.0);  // 300 CSS pixels wide
  EXPECT_EQ(page.layout().viewportSize(), nsSize(300, 150));
  EXPECT_EQ(page.offsets(u"d").width, 142);
  page.layout().setZoom(0);  // ignored
  EXPECT_EQ(page.layout().zoom(), 2.0);

  // The DOM tells the shell of changes; the next question lays the page out again.
  int changes = page.container->changes;
  page.byId(u"d")->setAttribute(u"style", u"width:10px");
  EXPECT_GT(page.container->changes, changes);
  EXPECT_EQ(page.offsets(u"d").width, 10);
  page.byId(u"d")->parentNode()->removeChild(*page.byId(u"d"));
  EXPECT_EQ(page.document->body()->offsetBox().height, 0);

  // A widget of no size yet: boxes exist, nothing is under any point.
  page.layout().setViewportSize(nsIntSize(0, 0));
  EXPECT_EQ(page.document->elementFromPoint(0, 0), nullptr);
  EXPECT_EQ(page.document->body()->offsetBox().width, 0);
}

TEST_F(FramesAndShellTest, ARootElementOutsideHTMLIsStillABlock) {
  RefPtr<dom::XULDocument> chrome = parser::XULParser::parseDocument(
      "<window xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul'>"
      "<label value='x'/></window>",
      url("chrome://test/content/t.xul"));
  ASSERT_TRUE(chrome);
  layout::DocumentLayout layout(*chrome);
  layout.setViewportSize(nsIntSize(300, 200));
  nsIFrame* root = layout.primaryFrameFor(*chrome->documentElement());
  ASSERT_TRUE(root);
  EXPECT_EQ(root->GetRect(), nsRect(0, 0, 300 * kUnits, 0));
}

TEST_F(FramesAndShellTest, DevicePixelsTruncateTowardZero) {
  EXPECT_EQ(DevicePixels::toDevice(3, 1.5), 4);
  EXPECT_EQ(DevicePixels::toDevice(-3, 1.5), -4);
  EXPECT_EQ(DevicePixels::toDevice(5, 0.9), 4);
  EXPECT_EQ(DevicePixels::toDevice(10, 0.9), 9);  // not 8, whatever 0.9 is in binary
  EXPECT_EQ(DevicePixels::toDevice(nsRect(100, 200, 50, 20), 1.5), nsIntRect(150, 300, 75, 30));
  EXPECT_EQ(DevicePixels::toCSS(800, 1.5), 533);
  EXPECT_EQ(DevicePixels::toCSS(900, 0.9), 1000);
}

TEST_F(FramesAndShellTest, FramesetAndTableSharing) {
  using Sizes = std::vector<int>;
  EXPECT_EQ(FramesetLayout::sizes(u"100,*,2*", 794), (Sizes{100, 231, 463}));
  EXPECT_EQ(FramesetLayout::sizes(u"25%, 50%", 400), (Sizes{100, 300}));  // the rest to the last
  EXPECT_EQ(FramesetLayout::sizes(u"", 300), (Sizes{300}));
  EXPECT_EQ(FramesetLayout::sizes(u"500,*", 300), (Sizes{500, 0}));
  EXPECT_EQ(FramesetLayout::sizes(u"x,0*,*", 90), (Sizes{45, 0, 45}));

  using Columns = std::vector<IntrinsicWidths>;
  Columns columns = {{10, 50}, {20, 20}, {10, 110}};
  EXPECT_EQ(TableLayout::distribute(columns, 200), (Sizes{56, 26, 118}));  // 20 extra, 6 each + 2
  // 60 pixels above the minimum, shared as 40 : 0 : 100 (rounded down, 1 left for the last).
  EXPECT_EQ(TableLayout::distribute(columns, 100), (Sizes{27, 20, 53}));
  EXPECT_EQ(TableLayout::distribute(columns, 10), (Sizes{10, 20, 10}));  // never below min
}

}  // namespace
}  // namespace geckohost::testing
