// Element rectangles, frames and hit-testing as the agent meets them, with exact expectations
// worked out from docs/chrome.md and docs/layout.md.
//
// Every window here is opened at (100, 80, 640, 480): its content area, the widget that shows
// the page, is at screen (104, 188) and 632 x 346 device pixels. Layout: 8 px per character,
// 16 px lines, body margin 8, iframe 300 x 150 with a 2 px border, frameset border 6, scrollbar
// 16. The trace facility is on for this program, so the lines the product writes for documents
// shown in frames can be checked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PageAgentFixture.h"
#include "nsIDOMDocument.h"
#include "nsIDOMNode.h"
#include "nsIDOMWindow.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

const int kContentX = 104;
const int kContentY = 188;

class GeometryTest : public PageAgentFixture {};

// A positioned div at (100, 50) of the canvas holding a block at (10, 20) inside it, and a box
// that starts 3 px left of the canvas.
const char kPositioned[] =
    "<body><div id=box style='position:absolute; left:100px; top:50px; width:200px;"
    " height:100px'><span id=inner style='position:absolute; left:10px; top:20px; width:30px;"
    " height:16px'>x</span></div>"
    "<div id=negative style='position:absolute; left:-3px; top:5px; width:10px;"
    " height:10px'></div></body>";

TEST_F(GeometryTest, TheOffsetChainPlacesAnElementOnTheScreen) {
  ASSERT_TRUE(show(kPositioned));
  CHtmlObjectPtr<IHtmlElement> inner = byId("inner");
  EXPECT_EQ(intProperty(inner, ".offsetLeft"), 10);
  EXPECT_EQ(intProperty(inner, ".offsetTop"), 20);
  // (10, 20) + the div's (100, 50), then the content area's screen position.
  EXPECT_EQ(rectProperty(inner, ".bounds"), (HtmlRectangle{214, 258, 30, 16}));
  EXPECT_EQ(intProperty(inner, ".screenLeft"), 214);
  EXPECT_EQ(intProperty(inner, ".screenTop"), 258);
  CHtmlObjectPtr<IHtmlElement> box = byId("box");
  EXPECT_EQ(rectProperty(box, ".bounds"), (HtmlRectangle{204, 238, 200, 100}));
  CHtmlObjectPtr<IHtmlElement> negative = byId("negative");
  EXPECT_EQ(rectProperty(negative, ".bounds"), (HtmlRectangle{101, 193, 10, 10}));

  // The same from the accessibility service.
  host->setAccessibilityEnabled(true);
  EXPECT_EQ(rectProperty(inner, ".bounds"), (HtmlRectangle{214, 258, 30, 16}));
  EXPECT_EQ(rectProperty(negative, ".bounds"), (HtmlRectangle{101, 193, 10, 10}));
}

TEST_F(GeometryTest, ZoomScalesAndTruncatesTowardZero) {
  ASSERT_TRUE(show(kPositioned, 1.5f));
  CHtmlObjectPtr<IHtmlElement> inner = byId("inner");
  CHtmlObjectPtr<IHtmlElement> negative = byId("negative");
  // Offsets stay CSS pixels; the rectangle is (110, 70, 30, 16) x 1.5, truncated.
  EXPECT_EQ(intProperty(inner, ".offsetLeft"), 10);
  EXPECT_EQ(rectProperty(inner, ".bounds"), (HtmlRectangle{269, 293, 45, 24}));
  // (-3, 5, 10, 10) x 1.5 = (-4.5, 7.5, 15, 15) -> (-4, 7, 15, 15).
  EXPECT_EQ(rectProperty(negative, ".bounds"), (HtmlRectangle{100, 195, 15, 15}));
  // With accessibles the service's screen box is scaled once more (x and y only).
  host->setAccessibilityEnabled(true);
  EXPECT_EQ(rectProperty(inner, ".bounds"), (HtmlRectangle{403, 439, 45, 24}));
  EXPECT_EQ(rectProperty(negative, ".bounds"), (HtmlRectangle{150, 292, 15, 15}));
  host->setAccessibilityEnabled(false);

  // At 90 %: (110, 70, 30, 16) -> (99, 63, 27, 14); (-3, 5, 10, 10) -> (-2, 4, 9, 9).
  m_window->setZoom(0, 0.9f);
  EXPECT_EQ(rectProperty(inner, ".bounds"), (HtmlRectangle{203, 251, 27, 14}));
  EXPECT_EQ(rectProperty(negative, ".bounds"), (HtmlRectangle{102, 192, 9, 9}));
}

TEST_F(GeometryTest, AScrolledDocumentMovesItsElementsUp) {
  ASSERT_TRUE(
      show("<body><div style='height:2000px'></div><div id=mark style='position:absolute;"
           " left:10px; top:250px; width:5px; height:5px'></div></body>"));
  nsCOMPtr<nsIDOMWindow> window = m_window->domWindow(0);
  window->ScrollTo(0, 200);
  CHtmlObjectPtr<IHtmlElement> mark = byId("mark");
  // Document (10, 250) less the scroll (0, 200) is viewport (10, 50).
  EXPECT_EQ(rectProperty(mark, ".bounds"), (HtmlRectangle{114, 238, 5, 5}));
  host->setAccessibilityEnabled(true);
  EXPECT_EQ(rectProperty(mark, ".bounds"), (HtmlRectangle{114, 238, 5, 5}));
}

TEST_F(GeometryTest, RootClientHeightScrollbarsAndScrollability) {
  ASSERT_TRUE(show(
      "<body style='margin:0'><div style='height:300px'>"
      "<div id=bars style='overflow:scroll; width:200px; height:80px'>x</div>"
      "<div id=five style='overflow:hidden; width:50px; height:100px'><div style='height:105px'>"
      "</div></div><div id=six style='overflow:hidden; width:50px; height:100px'>"
      "<div style='height:106px'></div></div></div></body>"));
  // The page is 300 high but the root element covers the 346 high visible area.
  CHtmlObjectPtr<IHtmlDocument> document = m_document;
  CHtmlObjectPtr<IHtmlEnumerator> children = document->getChildren();
  CHtmlObjectPtr<IHtmlElement> root = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(intProperty(root, ".offsetHeight"), 300);
  EXPECT_EQ(rectProperty(root, ".bounds"), (HtmlRectangle{kContentX, kContentY, 632, 346}));

  CHtmlObjectPtr<IHtmlElement> bars = byId("bars");
  CHtmlObjectPtr<IHtmlPropertyValue> vertical = bars->getProperty(".vScrollWidth");
  CHtmlObjectPtr<IHtmlPropertyValue> horizontal = bars->getProperty(".hScrollHeight");
  EXPECT_EQ(vertical->intValue(), 16);
  EXPECT_EQ(horizontal->intValue(), 16);
  auto scrollable = [&](const char* id) {
    CHtmlObjectPtr<IHtmlElement> element = byId(id);
    CHtmlObjectPtr<IHtmlPropertyValue> value = element->getProperty(".isScrollable");
    return value->booleanValue();
  };
  EXPECT_FALSE(scrollable("five"));  // overflows by exactly 5
  EXPECT_TRUE(scrollable("six"));
}

TEST_F(GeometryTest, PointsInsideIncludeTheTopLeftEdgesOnly) {
  ASSERT_TRUE(show(kPositioned));
  CHtmlObjectPtr<IHtmlElement> box = byId("box");
  // Box: (204, 238, 200, 100).
  EXPECT_TRUE(box->isPointInObject(204, 238));
  EXPECT_TRUE(box->isPointInObject(403, 337));
  EXPECT_FALSE(box->isPointInObject(404, 238));
  EXPECT_FALSE(box->isPointInObject(204, 338));
  EXPECT_FALSE(box->isPointInObject(203, 240));
}

// --- Frames -----------------------------------------------------------------------------------

class FramesTest : public GeometryTest {
 protected:
  void SetUp() override {
    GeometryTest::SetUp();
    page("http://test/inner.html",
         "<body style='margin:0'><p id=t style='position:absolute; left:10px; top:20px;"
         " width:40px; height:16px; margin:0'>t</p><input id=deep></body>");
    page("http://test/narrow.html", "<body style='margin:0; width:200px'><p>n</p></body>");
    page("http://test/wide.html", "<body style='margin:0; width:400px'>w</body>");
  }
};

const char kIframes[] =
    "<body><iframe id=first src=narrow.html style='position:absolute; left:50px; top:40px'>"
    "</iframe><iframe id=second src=wide.html style='position:absolute; left:50px; top:200px'>"
    "</iframe><object id=object type='text/html' data=inner.html width=100 height=50></object>"
    "</body>";

TEST_F(FramesTest, IframesCountTheirIndexAndClipTheirClientRectangle) {
  ASSERT_TRUE(show(kIframes));
  // A FRAME element ahead of the iframes (script can put one there) does not count.
  nsCOMPtr<nsIDOMDocument> dom = m_window->document(0);
  nsCOMPtr<nsIDOMElement> stray;
  dom->CreateElement(NS_LITERAL_STRING("frame"), getter_AddRefs(stray));
  nsCOMPtr<nsIDOMElement> body = elementById(dom, "first");
  nsCOMPtr<nsIDOMNode> bodyNode;
  body->GetParentNode(getter_AddRefs(bodyNode));
  nsCOMPtr<nsIDOMNode> firstChild;
  bodyNode->GetFirstChild(getter_AddRefs(firstChild));
  nsCOMPtr<nsIDOMNode> inserted;
  ASSERT_EQ(bodyNode->InsertBefore(stray, firstChild, getter_AddRefs(inserted)), NS_OK);

  CHtmlObjectPtr<IHtmlElement> first = byId("first");
  CHtmlObjectPtr<IHtmlElement> second = byId("second");
  EXPECT_EQ(intProperty(first, ".frameIndex"), 0);
  EXPECT_EQ(intProperty(second, ".frameIndex"), 1);
  EXPECT_EQ(stringProperty(second, ".class"), "Html.IFRAME");

  // The border box is 304 x 154 at (50, 40) of the canvas.
  EXPECT_EQ(rectProperty(first, ".bounds"), (HtmlRectangle{154, 228, 304, 154}));
  // A 200 wide body narrows the client rectangle; its one line of text makes it 16 high.
  EXPECT_EQ(rectProperty(first, ".clientRect"), (HtmlRectangle{154, 228, 200, 16}));
  // A body wider than the frame leaves the width alone.
  EXPECT_EQ(rectProperty(second, ".clientRect"), (HtmlRectangle{154, 388, 304, 16}));

  // Each frame's one child is its document; the document's parent is the frame element.
  CHtmlObjectPtr<IHtmlEnumerator> children = first->getChildren();
  ASSERT_TRUE(children->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> shown = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(stringProperty(shown, ".class"), "Html.HtmlDocument");
  EXPECT_EQ(stringProperty(shown, ".url"), "http://test/narrow.html");
  EXPECT_FALSE(children->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> holder = shown->getParent();
  EXPECT_EQ(stringProperty(holder, ".id"), "first");
  // A document in an iframe takes the iframe's bounds.
  EXPECT_EQ(rectProperty(shown, ".bounds"), (HtmlRectangle{154, 228, 304, 154}));
  CHtmlObjectPtr<IHtmlElement> topParent = shown->getTopParent();
  EXPECT_EQ(stringProperty(topParent, ".class"), "Html.HtmlBrowser");

  // A text/html object shows a document too; its parent is the object element.
  CHtmlObjectPtr<IHtmlElement> object = byId("object");
  CHtmlObjectPtr<IHtmlDocument> objectDocument = innerDocument(object);
  ASSERT_TRUE(objectDocument);
  CHtmlObjectPtr<IHtmlElement> objectParent = objectDocument->getParent();
  EXPECT_EQ(stringProperty(objectParent, ".class"), "Html.OBJECT");
  // The top document's parent is the browser.
  CHtmlObjectPtr<IHtmlElement> topDocumentParent = m_document->getParent();
  EXPECT_EQ(stringProperty(topDocumentParent, ".class"), "Html.HtmlBrowser");
}

TEST_F(FramesTest, ElementsInAnIframeArePlacedByTheIframeAndTraced) {
  ASSERT_TRUE(
      show("<body><iframe id=frame src=inner.html style='position:absolute;"
           " left:50px; top:40px'></iframe></body>"));
  CHtmlObjectPtr<IHtmlElement> frame = byId("frame");
  CHtmlObjectPtr<IHtmlDocument> inner = innerDocument(frame);
  ASSERT_TRUE(inner);
  CHtmlObjectPtr<IHtmlElement> text = byId(inner, "t");
  // (10, 20) in the inner page, placed at the iframe's bounds (154, 228): the frame's border
  // box, as the product measures it.
  EXPECT_EQ(rectProperty(text, ".bounds"), (HtmlRectangle{164, 248, 40, 16}));
  std::string trace = traceOfTest();
  EXPECT_NE(trace.find("In documentToScreen() in HtmlDocument, found an iframe for the document"),
            std::string::npos)
      << trace;
  EXPECT_NE(trace.find("After conversion, Rectangle of Control x=164 , y=248 , height=16 , "
                       "Width=40 "),
            std::string::npos)
      << trace;
}

// Frames are searched in the page's order: one showing a document that is not HTML is passed
// over (and traced), but still counts for the index of the frames after it.
TEST_F(FramesTest, AFrameShowingANonHtmlDocumentIsPassedOverAndCounted) {
  host->pages().put("http://test/panel.xul",
                    "<window xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul'>"
                    "<label value='x'/></window>",
                    "application/vnd.mozilla.xul+xml");
  ASSERT_TRUE(
      show("<body><iframe id=xul src=panel.xul></iframe><iframe id=frame src=inner.html "
           "style='position:absolute; left:50px; top:40px'></iframe></body>"));
  CHtmlObjectPtr<IHtmlElement> frame = byId("frame");
  CHtmlObjectPtr<IHtmlDocument> inner = innerDocument(frame);
  ASSERT_TRUE(inner);
  std::string before = traceOfTest();
  CHtmlObjectPtr<IHtmlElement> text = byId(inner, "t");
  EXPECT_EQ(rectProperty(text, ".bounds"), (HtmlRectangle{164, 248, 40, 16}));
  std::string trace = traceOfTest().substr(before.size());
  EXPECT_NE(trace.find("Frame document is not an HTML document!"), std::string::npos) << trace;
  CHtmlObjectPtr<IHtmlElement> parent = inner->getParent();
  EXPECT_EQ(stringProperty(parent, ".id"), "frame");
  EXPECT_EQ(intProperty(parent, ".frameIndex"), 1);
}

// The frame lines of the trace since the test began, one letter each: F for "found an iframe"
// in documentToScreen, W for the one in getChildAtPoint, A for "After conversion".
std::string frameLineOrder(const std::string& trace) {
  std::string order;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("In documentToScreen() in HtmlDocument, found an iframe") != std::string::npos)
      order += 'F';
    else if (line.find("In getWidget() in HtmlDocument, found an iframe") != std::string::npos)
      order += 'W';
    else if (line.find("After conversion, Rectangle of Control") != std::string::npos)
      order += 'A';
  }
  return order;
}

TEST_F(FramesTest, NestedFramesTraceTheFrameBeforeReadingItsBounds) {
  page("http://test/middle.html",
       "<body style='margin:0'><iframe id=innerFrame src=inner.html></iframe></body>");
  ASSERT_TRUE(show("<body><iframe id=outerFrame src=middle.html></iframe></body>"));
  CHtmlObjectPtr<IHtmlElement> outerFrame = byId("outerFrame");
  CHtmlObjectPtr<IHtmlDocument> middle = innerDocument(outerFrame);
  ASSERT_TRUE(middle);
  CHtmlObjectPtr<IHtmlElement> innerFrame = byId(middle, "innerFrame");
  CHtmlObjectPtr<IHtmlDocument> inner = innerDocument(innerFrame);
  ASSERT_TRUE(inner);
  CHtmlObjectPtr<IHtmlElement> text = byId(inner, "t");

  // The inner document finds its frame (F), whose bounds come through the middle document,
  // which finds its own frame (F) and converts (A); then the inner conversion (A).
  std::string before = traceOfTest();
  EXPECT_EQ(rectProperty(text, ".bounds").width, 40);
  EXPECT_EQ(frameLineOrder(traceOfTest().substr(before.size())), "FFAA");

  before = traceOfTest();
  CHtmlObjectPtr<IHtmlElement> hit = inner->getChildAtPoint(170, 255);
  EXPECT_EQ(frameLineOrder(traceOfTest().substr(before.size())).substr(0, 3), "WFA");
}

TEST_F(FramesTest, FramesetsNumberTheirFramesAndMeasureTheirBorders) {
  page("http://test/cols.html",
       "<frameset id=set cols='100,*,*'><frame id=f0 src=inner.html><frame id=f1 src=inner.html>"
       "<frame id=f2 src=inner.html></frameset>");
  ASSERT_TRUE(
      show("<frameset id=set cols='100,*'><frame id=left src=inner.html>"
           "<frame id=right src=inner.html></frameset>"));
  CHtmlObjectPtr<IHtmlElement> set = byId("set");
  EXPECT_EQ(intProperty(set, ".border"), 6);
  // 632 less one 6 px border: 100 and 526.
  CHtmlObjectPtr<IHtmlElement> right = byId("right");
  EXPECT_EQ(rectProperty(right, ".bounds"), (HtmlRectangle{210, 188, 526, 346}));
  // A page in the right frame is placed at the frame's bounds, and says so in the trace.
  CHtmlObjectPtr<IHtmlDocument> inner = innerDocument(right);
  CHtmlObjectPtr<IHtmlElement> text = byId(inner, "t");
  EXPECT_EQ(rectProperty(text, ".bounds"), (HtmlRectangle{220, 208, 40, 16}));
  EXPECT_NE(traceOfTest().find("After conversion, Rectangle of Control x=220 , y=208 , "
                               "height=16 , Width=40 "),
            std::string::npos);
  CHtmlObjectPtr<IHtmlElement> parent = inner->getParent();
  EXPECT_EQ(stringProperty(parent, ".class"), "Html.FRAME");
  EXPECT_EQ(intProperty(right, ".frameIndex"), 1);

  m_window->loadUrl("http://test/cols.html");
  m_document = nullptr;
  CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
  while (children->hasMoreElements()) {
    m_document = static_cast<IHtmlDocument*>(children->nextElement());
  }
  CHtmlObjectPtr<IHtmlElement> third = byId("f2");
  CHtmlObjectPtr<IHtmlElement> firstFrame = byId("f0");
  EXPECT_EQ(intProperty(third, ".frameIndex"), 2);
  EXPECT_EQ(intProperty(firstFrame, ".frameIndex"), 0);
}

TEST_F(FramesTest, RowsBorderAttributesAndWhiteSpaceBetweenFrames) {
  ASSERT_TRUE(
      show("<frameset id=set rows='50,*' border=4><frame src=inner.html>"
           "<frame src=inner.html></frameset>"));
  CHtmlObjectPtr<IHtmlElement> rows = byId("set");
  EXPECT_EQ(intProperty(rows, ".border"), 4);
  // White space between the frames breaks every adjacent pair: no border is found.
  m_document = nullptr;
  m_browser = nullptr;
  host->closeWindow(*m_window);
  ASSERT_TRUE(
      show("<frameset id=set cols='100,*'>\n<frame src=inner.html>\n"
           "<frame src=inner.html>\n</frameset>"));
  CHtmlObjectPtr<IHtmlElement> spaced = byId("set");
  EXPECT_EQ(intProperty(spaced, ".border"), 0);
}

// --- Hit-testing ----------------------------------------------------------------------------

TEST_F(FramesTest, HitTestingFindsElementsTheRootAndFramesContent) {
  ASSERT_TRUE(
      show("<body><span id=inner style='position:absolute; left:10px; top:20px;"
           " width:30px; height:16px'>x</span><iframe id=frame src=inner.html"
           " style='position:absolute; left:50px; top:40px'></iframe></body>"));
  // On an element: layout names it, for the document and through the browser alike.
  CHtmlObjectPtr<IHtmlElement> hit = m_document->getChildAtPoint(115, 210);
  EXPECT_EQ(stringProperty(hit, ".id"), "inner");
  CHtmlObjectPtr<IHtmlElement> viaBrowser = m_browser->getChildAtPoint(115, 210);
  EXPECT_EQ(stringProperty(viaBrowser, ".id"), "inner");
  // Right of the visible area: the root element, without asking layout.
  CHtmlObjectPtr<IHtmlElement> right = m_document->getChildAtPoint(736, 200);
  EXPECT_EQ(stringProperty(right, ".class"), "Html.HTML");
  // Inside the iframe: the page names the iframe; the iframe's document names its element,
  // looked up relative to the iframe's bounds (154, 228).
  CHtmlObjectPtr<IHtmlElement> frame = m_document->getChildAtPoint(170, 255);
  EXPECT_EQ(stringProperty(frame, ".id"), "frame");
  EXPECT_EQ(frame->getChildAtPoint(170, 255), nullptr);
  CHtmlObjectPtr<IHtmlDocument> inner = innerDocument(frame);
  CHtmlObjectPtr<IHtmlElement> inside = inner->getChildAtPoint(170, 255);
  EXPECT_EQ(stringProperty(inside, ".id"), "t");
  EXPECT_NE(traceOfTest().find("In getWidget() in HtmlDocument, found an iframe for the document"),
            std::string::npos);
}

TEST_F(FramesTest, WhereLayoutNamesNothingTheEarlierSiblingWins) {
  // Two overlapping boxes scrolled up above the visible area: layout is asked about a point
  // above the viewport and names nothing, so the objects' own rectangles decide.
  ASSERT_TRUE(
      show("<body style='margin:0'>"
           "<div id=a style='position:absolute; left:10px; top:150px; width:50px;"
           " height:40px'></div><div id=b style='position:absolute; left:30px;"
           " top:150px; width:50px; height:40px'></div>"
           "<div style='height:2000px'></div></body>"));
  m_window->domWindow(0)->ScrollTo(0, 200);
  CHtmlObjectPtr<IHtmlElement> hit = m_document->getChildAtPoint(140, 150);
  EXPECT_EQ(stringProperty(hit, ".id"), "a");
  // Inside the viewport layout decides: the later box paints on top.
  m_window->domWindow(0)->ScrollTo(0, 100);
  CHtmlObjectPtr<IHtmlElement> visible = m_document->getChildAtPoint(140, 250);
  EXPECT_EQ(stringProperty(visible, ".id"), "b");
}

TEST_F(FramesTest, TheActiveElementIsFollowedThroughAFrameAndAnIframe) {
  page("http://test/holder.html", "<body><iframe id=nested src=inner.html></iframe></body>");
  ASSERT_TRUE(
      show("<frameset cols='50%,*'><frame id=outer src=holder.html>"
           "<frame src=narrow.html></frameset>"));
  nsCOMPtr<nsIDOMDocument> deepest = m_window->document(0, {0, 0});
  ASSERT_TRUE(deepest);
  ASSERT_TRUE(m_window->focusElement(elementById(deepest, "deep")));
  IHtmlBrowser* browser = static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_browser));
  CHtmlObjectPtr<IHtmlElement> focused = browser->getElementWithFocus();
  EXPECT_EQ(stringProperty(focused, ".id"), "deep");
  EXPECT_EQ(stringProperty(focused, ".class"), "Html.INPUT.text");
}

TEST_F(FramesTest, PluginElementsReportTheirWindowAndItsBounds) {
  ASSERT_TRUE(
      show("<body><EMBED id=movie src=m.swf width=50 height=20 name=clip>"
           "<applet id=clock code=Clock.class width=120 height=40></applet></body>"));
  CHtmlObjectPtr<IHtmlElement> movie = byId("movie");
  CHtmlObjectPtr<IHtmlPropertyValue> window = movie->getProperty(".window");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->longValue(), static_cast<long long>(m_window->contentWidgetWindow(0)));
  EXPECT_EQ(rectProperty(movie, ".nestedBounds"), (HtmlRectangle{kContentX, kContentY, 632, 346}));
  EXPECT_EQ(stringProperty(movie, ".width"), "50");
  CHtmlObjectPtr<IHtmlElement> clock = byId("clock");
  EXPECT_EQ(stringProperty(clock, ".height"), "40");
  EXPECT_EQ(rectProperty(clock, ".nestedBounds"), (HtmlRectangle{kContentX, kContentY, 632, 346}));
}

}  // namespace
