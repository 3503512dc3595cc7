// What the DOM reports through the layout: offsets and offset parents, client and scroll
// values, scrolling with clamping, scroll positions kept across layouts, scrollIntoView.
#include "ShownPage.h"
#include "dom/HTMLElement.h"

namespace geckohost::testing {
namespace {

class OffsetsAndScrollingTest : public LeakCheckedTest {};

std::string parentOf(const OffsetBox& box) {
  return box.offsetParent ? u8(box.offsetParent->localName()) + "#" + u8(box.offsetParent->id())
                          : "-";
}

// Summing offsets up the offset-parent chain gives the element's place in the document, the
// way the product measures an element without an accessible.
nsPoint documentPositionFromOffsets(dom::Element& element) {
  nsPoint sum;
  for (dom::Element* current = &element; current;) {
    OffsetBox box = current->offsetBox();
    sum += nsPoint(box.left, box.top);
    current = box.offsetParent;
  }
  return sum;
}

TEST_F(OffsetsAndScrollingTest, OffsetParentsFollowGeckosRules) {
  ShownPage page(
      "<div id=pos style='position:absolute;left:100px;top:50px;border:3px solid'>"
      "  <div id=child style='margin-left:10px;margin-top:20px;width:40px;height:10px'></div>"
      "  <div id=nested-abs style='position:absolute;left:5px;top:6px'>n</div>"
      "</div>"
      "<div id=plain style='margin:0 0 0 30px;border:2px solid'><span id=span>s</span></div>"
      "<table id=t border=1><tr><td id=cell><b id=bold>x</b>"
      "<i id=rel style='position:relative;left:1px'>y</i></td></tr></table>"
      "<div id=none style='display:none'><p id=under-none>x</p></div>"
      "<div id=lonely style='position:absolute;left:7px;top:9px'></div>");
  struct Expectation {
    const char16_t* id;
    int left, top, width, height;
    const char* parent;
  };
  const Expectation expectations[] = {
      {u"pos", 100, 50, 56, 36, "body#"},     // absolute in no positioned box: the body
      {u"child", 10, 20, 40, 10, "div#pos"},  // from pos's padding edge (its border inside)
      {u"nested-abs", 5, 6, 8, 16, "div#pos"},
      {u"plain", 38, 8, 754, 20, "body#"},  // from the root's origin, as Gecko does
      {u"span", 40, 10, 8, 16, "body#"},
      {u"t", 8, 28, 26, 26, "body#"},
      {u"cell", 2, 2, 20, 20, "table#t"},  // cells measure from the grid's padding edge
      {u"bold", 1, 1, 8, 16, "td#cell"},   // in a cell: the cell
      {u"rel", 22, 33, 8, 16, "body#"},    // positioned: cells are skipped
      {u"none", 0, 0, 0, 0, "-"},
      {u"under-none", 0, 0, 0, 0, "-"},
      {u"lonely", 7, 9, 0, 0, "body#"},
  };
  for (const Expectation& e : expectations) {
    SCOPED_TRACE(u8(e.id));
    OffsetBox box = page.offsets(e.id);
    EXPECT_EQ(box.left, e.left);
    EXPECT_EQ(box.top, e.top);
    EXPECT_EQ(box.width, e.width);
    EXPECT_EQ(box.height, e.height);
    EXPECT_EQ(parentOf(box), e.parent);
  }
  // The root and the body have no offset parent and sit at 0, 0 whatever their margins.
  EXPECT_EQ(parentOf(page.document->documentElement()->offsetBox()), "-");
  OffsetBox body = page.document->body()->offsetBox();
  EXPECT_EQ(parentOf(body), "-");
  EXPECT_EQ(nsRect(body.left, body.top, body.width, body.height), nsRect(0, 0, 784, 46));

  // Summing up the chain misses the borders on the way, as in Gecko: #pos's 3 pixels for
  // #child, the cell's and the table's 1 pixel each for #bold.
  EXPECT_EQ(documentPositionFromOffsets(*page.byId(u"child")), nsPoint(110, 70));
  EXPECT_EQ(page.layout().borderBoxInDocument(*page.byId(u"child")), nsRect(113, 73, 40, 10));
  EXPECT_EQ(documentPositionFromOffsets(*page.byId(u"bold")), nsPoint(11, 31));
  EXPECT_EQ(page.layout().borderBoxInDocument(*page.byId(u"bold")), nsRect(13, 33, 8, 16));
}

// The layout remembers offset boxes between questions; every change that moves an element
// must show in the next answer, and a removed element's box must not answer for another.
TEST_F(OffsetsAndScrollingTest, RememberedOffsetsFollowEveryChange) {
  ShownPage page(
      "<div id=first style='height:10px'></div>"
      "<div id=box style='margin-left:10px;width:40px;height:10px'></div>");
  dom::Element* box = page.byId(u"box");
  EXPECT_EQ(page.offsets(u"box").left, 18);
  EXPECT_EQ(page.offsets(u"box").top, 18);
  box->setAttribute(u"style", u"margin-left:30px;width:40px;height:10px");
  EXPECT_EQ(page.offsets(u"box").left, 38);
  EXPECT_EQ(page.offsets(u"box").width, 40);
  page.byId(u"first")->setAttribute(u"style", u"height:50px");
  EXPECT_EQ(page.offsets(u"box").top, 58);
  page.byId(u"first")->parentNode()->removeChild(*page.byId(u"first"));
  EXPECT_EQ(page.offsets(u"box").top, 8);
  page.layout().setZoom(2.0);
  EXPECT_EQ(page.offsets(u"box").left, 38);  // CSS pixels: zoom does not move offsets
  RefPtr<dom::Node> removed = box;
  box->parentNode()->removeChild(*box);
  OffsetBox gone = box->offsetBox();
  EXPECT_EQ(nsRect(gone.left, gone.top, gone.width, gone.height), nsRect());
  EXPECT_EQ(gone.offsetParent, nullptr);
}

TEST_F(OffsetsAndScrollingTest, TextNodesAreTheUnionOfTheirLines) {
  ShownPage page("<div style='width:80px'>aaaa bbbb cccccc</div><p id=p>x<!-- c --></p>",
                 nsIntSize(400, 300));
  dom::Node* text = page.document->body()->firstElementChild()->firstChild();
  // "aaaa bbbb" fills the 80 pixels; "cccccc" goes to the next line.
  EXPECT_EQ(page.layout().borderBoxInDocument(*text), nsRect(8, 8, 72, 32));
  EXPECT_TRUE(page.layout().hasBox(*text));
  dom::Node* comment = page.byId(u"p")->lastChild();
  EXPECT_EQ(page.layout().borderBoxInDocument(*comment), nsRect());
  EXPECT_FALSE(page.layout().hasBox(*comment));
}

TEST_F(OffsetsAndScrollingTest, ClientAndScrollValues) {
  ShownPage page(
      "<div id=scroller style='overflow:scroll;width:200px;height:100px;border:4px solid;"
      "padding:5px'><div style='width:300px;height:400px'></div></div>"
      "<div id=plain style='width:50px;height:20px;border:1px solid;padding:2px'></div>"
      "<span id=inline>x</span>",
      nsIntSize(400, 300));
  ScrollBox scroller = page.scrolls(u"scroller");
  EXPECT_EQ(scroller.clientLeft, 4);
  EXPECT_EQ(scroller.clientTop, 4);
  EXPECT_EQ(scroller.clientWidth, 194);  // 200 + 2 x 5 padding - 16 scrollbar
  EXPECT_EQ(scroller.clientHeight, 94);
  EXPECT_EQ(scroller.scrollWidth, 305);   // from the padding edge to the content's right
  EXPECT_EQ(scroller.scrollHeight, 410);  // the content and the paddings around it
  OffsetBox offsets = page.offsets(u"scroller");
  EXPECT_EQ(offsets.width - scroller.clientWidth - 2 * scroller.clientLeft, 16);

  ScrollBox plain = page.scrolls(u"plain");
  EXPECT_EQ(plain.clientWidth, 54);
  EXPECT_EQ(plain.clientHeight, 24);
  EXPECT_EQ(plain.scrollWidth, 54);
  EXPECT_EQ(plain.scrollHeight, 24);
  EXPECT_EQ(page.scrolls(u"inline").clientWidth, 0);

  // The root element answers for the viewport: the whole page fits, so no scrollbars.
  ScrollBox root = page.document->documentElement()->scrollBox();
  EXPECT_EQ(root.clientWidth, 400);
  EXPECT_EQ(root.clientHeight, 300);
  EXPECT_EQ(root.scrollHeight, 300);
}

TEST_F(OffsetsAndScrollingTest, ScrollingIsClampedAndSurvivesRelayout) {
  ShownPage page(
      "<div id=box style='overflow:hidden;width:100px;height:50px'>"
      "<div style='width:100px;height:250px'></div></div><div style='height:900px'></div>",
      nsIntSize(400, 300));
  dom::Element* box = page.byId(u"box");
  box->scrollTo(-10, 120);
  EXPECT_EQ(page.scrolls(u"box").scrollLeft, 0);
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 120);
  box->scrollTo(0, 9999);
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 200);  // 250 - 50

  dom::Element* root = page.document->documentElement();
  root->scrollTo(0, 5000);
  int bottom = root->scrollBox().scrollHeight - root->scrollBox().clientHeight;
  EXPECT_EQ(page.layout().scrollPosition(), nsPoint(0, bottom));
  EXPECT_EQ(root->scrollBox().scrollTop, bottom);

  // A change of the page lays it out again; the positions stay, clamped to the new content.
  page.byId(u"box")->firstElementChild()->setAttribute(u"style", u"height:120px");
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 70);  // 120 - 50
  EXPECT_EQ(root->scrollBox().scrollTop, bottom);

  // Scroll offsets move boxes in the document but not their offsets.
  dom::Element* inner = box->firstElementChild();
  EXPECT_EQ(inner->offsetBox().top, 8);
  EXPECT_EQ(page.layout().borderBoxInDocument(*inner).y, 8 - 70);
}

// Scroll boxes are remembered between questions too: every scroll (of an element, of the
// viewport, into view) and every change of the content shows in the next answer.
TEST_F(OffsetsAndScrollingTest, RememberedScrollBoxesFollowScrollingAndChanges) {
  ShownPage page(
      "<div style='height:500px'></div>"
      "<div id=box style='overflow:auto;height:100px'>"
      "<div id=content style='height:300px'></div><div id=target style='height:20px'></div></div>"
      "<div style='height:1000px'></div>",
      nsIntSize(400, 300));
  dom::Element* root = page.document->documentElement();
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 0);
  EXPECT_EQ(page.scrolls(u"box").scrollHeight, 320);
  EXPECT_EQ(root->scrollBox().scrollTop, 0);

  page.byId(u"target")->scrollIntoView(true);
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 220);
  EXPECT_EQ(root->scrollBox().scrollTop, page.layout().scrollPosition().y);
  EXPECT_GT(root->scrollBox().scrollTop, 0);

  page.byId(u"box")->scrollTo(0, 10);
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 10);
  page.layout().scrollViewportTo(0, 33);
  EXPECT_EQ(root->scrollBox().scrollTop, 33);

  page.byId(u"content")->setAttribute(u"style", u"height:600px");
  EXPECT_EQ(page.scrolls(u"box").scrollHeight, 620);
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 10);

  RefPtr<dom::Node> removed = page.byId(u"box");
  removed->parentNode()->removeChild(*removed);
  ScrollBox gone = static_cast<dom::Element&>(*removed).scrollBox();
  EXPECT_EQ(gone.scrollHeight, 0);
  EXPECT_EQ(gone.scrollTop, 0);
}

TEST_F(OffsetsAndScrollingTest, ScrollIntoViewAlignsTopOrBottom) {
  ShownPage page(
      "<div style='height:500px'></div>"
      "<div id=box style='overflow:auto;height:100px'>"
      "<div style='height:300px'></div><div id=target style='height:20px'></div></div>"
      "<div style='height:1000px'></div>",
      nsIntSize(400, 300));
  dom::Element* target = page.byId(u"target");
  target->scrollIntoView(true);
  // Inside the box: the target's top (300) at the top of its client area.
  EXPECT_EQ(page.scrolls(u"box").scrollTop, 220);  // clamped: 320 - 100
  nsRect shown = page.layout().borderBoxInDocument(*target);
  EXPECT_EQ(page.layout().scrollPosition().y, shown.y);

  target->scrollIntoView(false);
  shown = page.layout().borderBoxInDocument(*target);
  EXPECT_EQ(page.layout().scrollPosition().y, shown.YMost() - 300);
}

}  // namespace
}  // namespace geckohost::testing
