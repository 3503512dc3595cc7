// Pages far deeper and wider than people write them, and frames that would nest without end,
// as the agent meets them: every question gets an answer, nothing overflows the stack, and
// frame nesting stops where the host caps it.
//
// The deep page, 50,000 elements deep (generated below):
//
//   body
//   └── div#top          "d"
//       └── div          "d"    ... 2,000 divs in all, each with its "d"
//           └── span                ... 48,000 spans
//               └── b#leaf "leaf"
//   p#after "after"
//
// Boxes nest at most 200 deep (docs/layout.md), so only the outer divs are laid out; the rest
// is in the DOM and answers through it.
#include <gtest/gtest.h>

#include <string>

#include "PageAgentFixture.h"

namespace {

const int kDivs = 2000;
const int kSpans = 48000;
const int kWideSpans = 100000;

std::string repeated(const std::string& text, int count) {
  std::string out;
  out.reserve(text.size() * size_t(count));
  for (int i = 0; i < count; ++i)
    out += text;
  return out;
}

std::string deepPage() {
  return "<body><div id=top>d" + repeated("<div>d", kDivs - 1) + repeated("<span>", kSpans) +
         "<b id=leaf>leaf</b>" + repeated("</span>", kSpans) + repeated("</div>", kDivs) +
         "<p id=after>after</p></body>";
}

std::string widePage() {
  std::string markup = "<body>";
  for (int i = 0; i < kWideSpans; ++i)
    markup += "<span id=s" + std::to_string(i) + ">w</span> ";
  return markup + "</body>";
}

class DeepPagesTest : public PageAgentFixture {
 protected:
  static IHtmlElement* firstChild(IHtmlElement* parent) {
    CHtmlObjectPtr<IHtmlEnumerator> children = parent->getChildren();
    return children && children->hasMoreElements()
               ? static_cast<IHtmlElement*>(children->nextElement())
               : nullptr;
  }

  static int count(IHtmlEnumerator* items, const std::string& tag) {
    int found = 0;
    while (items && items->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> item = static_cast<IHtmlElement*>(items->nextElement());
      found += item && stringProperty(item, ".tag") == tag ? 1 : 0;
    }
    return found;
  }

  // The centre of an element's screen rectangle.
  static void centreOf(IHtmlElement* element, int& x, int& y) {
    HtmlRectangle r = rectProperty(element, ".bounds");
    x = r.x + r.width / 2;
    y = r.y + r.height / 2;
  }
};

TEST_F(DeepPagesTest, APageFiftyThousandElementsDeepAnswersEveryQuestion) {
  ASSERT_TRUE(show(deepPage()));
  m_window->paint();

  // The text walk goes all the way down.
  CHtmlObjectPtr<IHtmlElement> top = byId("top");
  ASSERT_TRUE(top);
  EXPECT_EQ(stringProperty(top, ".text"), repeated("d", kDivs) + "leaf");
  CHtmlObjectPtr<IHtmlElement> leaf = byId("leaf");
  ASSERT_TRUE(leaf);
  EXPECT_EQ(stringProperty(leaf, ".text"), "leaf");

  // The tree search finds the leaf among them.
  CHtmlObjectPtr<IHtmlEnumerator> bold = m_document->getElementsByTag(U16("B").data());
  EXPECT_EQ(count(bold, "B"), 1);

  // Its top parent is the browser, through every level above it.
  CHtmlObjectPtr<IHtmlElement> topParent = leaf->getTopParent();
  ASSERT_TRUE(topParent);
  EXPECT_EQ(topParent->getObject(), static_cast<IHtmlElement*>(m_browser)->getObject());

  // Laid out as far as boxes go: 198 divs below html and body show their line each; the
  // paragraph after the deep part is placed.
  HtmlRectangle topBounds = rectProperty(top, ".bounds");
  EXPECT_EQ(topBounds.height, 16 * 198);
  CHtmlObjectPtr<IHtmlElement> inTop = m_browser->getChildAtPoint(topBounds.x + 4, topBounds.y + 4);
  ASSERT_TRUE(inTop);
  EXPECT_EQ(stringProperty(inTop, ".tag"), "DIV");
  CHtmlObjectPtr<IHtmlElement> after = byId("after");
  ASSERT_TRUE(after);
  EXPECT_GT(rectProperty(after, ".bounds").height, 0);
  EXPECT_EQ(rectProperty(leaf, ".bounds").width, 0);
}

TEST_F(DeepPagesTest, TheWalkDownTheObjectTreeReachesTheDeepestElement) {
  // Spans only: every element's first child is the next one.
  const int depth = 50000;
  ASSERT_TRUE(show("<body><span id=top>" + repeated("<span>", depth - 1) + "<b>leaf</b>" +
                   repeated("</span>", depth) + "</body>"));
  CHtmlObjectPtr<IHtmlElement> walker = byId("top");
  ASSERT_TRUE(walker);
  int levels = 0;
  while (CHtmlObjectPtr<IHtmlElement> next = firstChild(walker)) {
    walker = next;
    ++levels;
  }
  // 49,999 spans, the b, and the b's text.
  EXPECT_EQ(levels, depth + 1);
  EXPECT_EQ(stringProperty(walker, ".text"), "leaf");
  CHtmlObjectPtr<IHtmlElement> topParent = walker->getTopParent();
  ASSERT_TRUE(topParent);
  EXPECT_EQ(topParent->getObject(), static_cast<IHtmlElement*>(m_browser)->getObject());
}

TEST_F(DeepPagesTest, APageOneHundredThousandElementsWideAnswersEveryQuestion) {
  host->setAccessibilityEnabled(true);
  ASSERT_TRUE(show(widePage()));
  m_window->paint();
  CHtmlObjectPtr<IHtmlElement> last = byId(("s" + std::to_string(kWideSpans - 1)).c_str());
  ASSERT_TRUE(last);
  EXPECT_EQ(stringProperty(last, ".text"), "w");
  EXPECT_EQ(rectProperty(last, ".bounds").width, 8);

  CHtmlObjectPtr<IHtmlElement> tenth = byId("s10");
  ASSERT_TRUE(tenth);
  int x = 0;
  int y = 0;
  centreOf(tenth, x, y);
  CHtmlObjectPtr<IHtmlElement> hit = m_browser->getChildAtPoint(x, y);
  ASSERT_TRUE(hit);
  EXPECT_EQ(stringProperty(hit, ".id"), "s10");

  CHtmlObjectPtr<IHtmlElement> first = byId("s0");
  ASSERT_TRUE(first);
  CHtmlObjectPtr<IHtmlElement> body = first->getParent();
  ASSERT_TRUE(body);
  CHtmlObjectPtr<IHtmlEnumerator> children = body->getChildren();
  EXPECT_EQ(count(children, "SPAN"), kWideSpans);
  CHtmlObjectPtr<IHtmlEnumerator> spans = m_document->getElementsByTag(U16("SPAN").data());
  EXPECT_EQ(count(spans, "SPAN"), kWideSpans);
  host->setAccessibilityEnabled(false);
}

// Each page shows its level and frames the next: f0 frames f1, ..., f11 frames nothing.
TEST_F(DeepPagesTest, FramesNestTenDeepAndNoDeeper) {
  for (int level = 0; level < 12; ++level) {
    page("http://test/f" + std::to_string(level) + ".html",
         "<p id=level>" + std::to_string(level) + "</p><iframe id=f src='f" +
             std::to_string(level + 1) + ".html'></iframe>");
  }
  ASSERT_TRUE(show("<iframe id=f src='f1.html'></iframe>"));
  CHtmlObjectPtr<IHtmlDocument> document = m_document;
  for (int level = 1; level <= 10; ++level) {
    CHtmlObjectPtr<IHtmlElement> frame = byId(document, "f");
    ASSERT_TRUE(frame) << "level " << level;
    document = innerDocument(frame);
    ASSERT_TRUE(document) << "level " << level;
    CHtmlObjectPtr<IHtmlElement> shown = byId(document, "level");
    ASSERT_TRUE(shown) << "level " << level;
    EXPECT_EQ(stringProperty(shown, ".text"), std::to_string(level));
  }
  // The eleventh frame stays blank; the deepest element still finds its browser.
  CHtmlObjectPtr<IHtmlElement> frame = byId(document, "f");
  ASSERT_TRUE(frame);
  CHtmlObjectPtr<IHtmlDocument> blank = innerDocument(frame);
  ASSERT_TRUE(blank);
  EXPECT_FALSE(CHtmlObjectPtr<IHtmlElement>(byId(blank, "level")));
  CHtmlObjectPtr<IHtmlElement> topParent = frame->getTopParent();
  ASSERT_TRUE(topParent);
  EXPECT_EQ(topParent->getObject(), static_cast<IHtmlElement*>(m_browser)->getObject());
}

TEST_F(DeepPagesTest, AFrameNeverLoadsAPageThatAFrameAboveItShows) {
  page("http://test/self.html", "<iframe id=me src='self.html#again'></iframe>");
  page("http://test/a.html", "<iframe id=toB src='b.html'></iframe>");
  page("http://test/b.html", "<iframe id=toA src='a.html'></iframe>");
  ASSERT_TRUE(
      show("<iframe id=self src='self.html'></iframe><iframe id=a src='a.html'>"
           "</iframe>"));

  // The page in the frame loads once; its own frame of itself stays blank.
  CHtmlObjectPtr<IHtmlDocument> self = innerDocument(CHtmlObjectPtr<IHtmlElement>(byId("self")));
  ASSERT_TRUE(self);
  CHtmlObjectPtr<IHtmlElement> me = byId(self, "me");
  ASSERT_TRUE(me);
  CHtmlObjectPtr<IHtmlDocument> again = innerDocument(me);
  ASSERT_TRUE(again);
  EXPECT_FALSE(CHtmlObjectPtr<IHtmlElement>(byId(again, "me")));

  // a frames b, b's frame of a stays blank.
  CHtmlObjectPtr<IHtmlDocument> a = innerDocument(CHtmlObjectPtr<IHtmlElement>(byId("a")));
  ASSERT_TRUE(a);
  CHtmlObjectPtr<IHtmlDocument> b = innerDocument(CHtmlObjectPtr<IHtmlElement>(byId(a, "toB")));
  ASSERT_TRUE(b);
  CHtmlObjectPtr<IHtmlElement> toA = byId(b, "toA");
  ASSERT_TRUE(toA);
  CHtmlObjectPtr<IHtmlDocument> blank = innerDocument(toA);
  ASSERT_TRUE(blank);
  EXPECT_FALSE(CHtmlObjectPtr<IHtmlElement>(byId(blank, "toB")));
}

TEST_F(DeepPagesTest, AFramesetOfFiftyFramesShowsEveryPage) {
  const int frames = 50;
  std::string rows;
  std::string markup;
  for (int i = 0; i < frames; ++i) {
    page("http://test/c" + std::to_string(i) + ".html", "<p id=cell>" + std::to_string(i) + "</p>");
    rows += i ? ",*" : "*";
    markup += "<frame id=c" + std::to_string(i) + " src='c" + std::to_string(i) + ".html'>";
  }
  ASSERT_TRUE(show("<frameset rows='" + rows + "'>" + markup + "</frameset>"));
  for (int i = 0; i < frames; ++i) {
    CHtmlObjectPtr<IHtmlElement> frame = byId(("c" + std::to_string(i)).c_str());
    ASSERT_TRUE(frame) << i;
    CHtmlObjectPtr<IHtmlDocument> document = innerDocument(frame);
    ASSERT_TRUE(document) << i;
    CHtmlObjectPtr<IHtmlElement> cell = byId(document, "cell");
    ASSERT_TRUE(cell) << i;
    EXPECT_EQ(stringProperty(cell, ".text"), std::to_string(i));
  }
}

}  // namespace
