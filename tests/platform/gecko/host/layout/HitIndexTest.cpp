// The hit index a layout keeps between hit-tests: what moves the boxes (a change of the
// document, of the viewport) or their document coordinates (a scroll container scrolling, an
// element scrolled into view) must make the next hit-test see the new places.
#include "ShownPage.h"

namespace geckohost::testing {
namespace {

class HitIndexTest : public LeakCheckedTest {};

std::string nameAt(ShownPage& page, int x, int y) {
  dom::Element* element = page.document->elementFromPoint(x, y);
  if (!element)
    return "-";
  std::string id = u8(element->id());
  return id.empty() ? u8(element->localName()) : id;
}

// Body at (8, 8 384x100). #scroller (8,8 200x100) scrolls #tall (300 px) and #low (20 px)
// below it; #mover is absolute at (300, 20 50x50).
const char kPage[] =
    "<div id=scroller style='overflow:auto;width:200px;height:100px'>"
    "<div id=tall style='height:300px'></div><div id=low style='height:20px'></div></div>"
    "<div id=mover style='position:absolute;left:300px;top:20px;width:50px;height:50px'></div>";

TEST_F(HitIndexTest, ChangesOfTheDocumentAndTheViewportAreSeen) {
  ShownPage page(kPage, nsIntSize(400, 300));
  EXPECT_EQ(nameAt(page, 310, 30), "mover");
  EXPECT_EQ(nameAt(page, 360, 30), "body");

  page.byId(u"mover")->setAttribute(
      u"style", u"position:absolute;left:350px;top:20px;width:40px;height:50px");
  EXPECT_EQ(nameAt(page, 310, 30), "body");
  EXPECT_EQ(nameAt(page, 360, 30), "mover");

  // A removed box is not hit; a box put there is.
  dom::Element* mover = page.byId(u"mover");
  mover->parentNode()->removeChild(*mover);
  EXPECT_EQ(nameAt(page, 360, 30), "body");
  dom::DOMError error;
  RefPtr<dom::Element> added = page.document->createElement(u"div", error);
  added->setAttribute(u"id", u"added");
  added->setAttribute(u"style", u"position:absolute;left:355px;top:25px;width:10px;height:10px");
  page.document->body()->appendChild(*added);
  EXPECT_EQ(nameAt(page, 360, 30), "added");

  // A narrower viewport cuts the page: the point is outside it now.
  page.layout().setViewportSize(nsIntSize(300, 300));
  EXPECT_EQ(nameAt(page, 360, 30), "-");
  page.layout().setViewportSize(nsIntSize(400, 300));
  EXPECT_EQ(nameAt(page, 360, 30), "added");
}

TEST_F(HitIndexTest, ScrollingMovesWhatIsHit) {
  ShownPage page(kPage, nsIntSize(400, 400));
  EXPECT_EQ(nameAt(page, 20, 95), "tall");
  // #low lies below the scroller's client area: cut off, not hit.
  EXPECT_EQ(nameAt(page, 20, 310), "html");

  // Scrolled as far as it goes (220): #low shows at 88..108, #tall above it.
  page.byId(u"scroller")->scrollTo(0, 250);
  EXPECT_EQ(nameAt(page, 20, 95), "low");
  EXPECT_EQ(nameAt(page, 20, 80), "tall");
  EXPECT_EQ(nameAt(page, 20, 310), "html");

  page.byId(u"scroller")->scrollTo(0, 0);
  EXPECT_EQ(nameAt(page, 20, 95), "tall");

  // Scrolling an element into view scrolls its scroller too.
  page.layout().scrollIntoView(*page.byId(u"low"), true);
  EXPECT_EQ(nameAt(page, 20, 95), "low");
}

}  // namespace
}  // namespace geckohost::testing
