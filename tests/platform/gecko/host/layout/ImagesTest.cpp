// Images through the DOM: HTMLImageElement's width and height, pictures from the page table,
// alt text standing in for a broken image (hit-testing included), shrink-to-fit around an
// image sized by its aspect ratio, and a new src laid out again. The golden page images.html
// holds the size rules themselves.
#include <fstream>
#include <sstream>

#include "ShownPage.h"
#include "dom/HTMLImageElement.h"

namespace geckohost::testing {
namespace {

std::string fixture(const char* name) {
  std::ifstream in(std::string(GECKOHOST_IMAGE_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ImagesTest : public LeakCheckedTest {};

dom::HTMLImageElement& imageIn(ShownPage& page, const char16_t* id) {
  return *static_cast<dom::HTMLImageElement*>(page.byId(id));
}

TEST_F(ImagesTest, WidthAndHeightAnswerTheAttributeElseTheSizeShown) {
  ShownPage page(
      "<img id=natural src=logo><img id=attr src=logo width=7>"
      "<img id=css src=logo style='height:40px;border:3px solid'>"
      "<img id=hidden src=logo style='display:none'><img id=sized-broken src=gone>"
      "<img id=alt-broken src=gone alt='no logo'>");
  page.pages.put("http://example.com/dir/logo", fixture("red-blue-20x10.png"), "image/png");

  EXPECT_EQ(imageIn(page, u"natural").width(), 20);
  EXPECT_EQ(imageIn(page, u"natural").height(), 10);
  EXPECT_EQ(imageIn(page, u"attr").width(), 7);   // the attribute itself
  EXPECT_EQ(imageIn(page, u"attr").height(), 4);  // 3.5 to the nearest pixel, halves up
  // The content box, borders left out; the width follows the aspect ratio.
  EXPECT_EQ(imageIn(page, u"css").width(), 80);
  EXPECT_EQ(imageIn(page, u"css").height(), 40);
  EXPECT_EQ(page.offsets(u"css").width, 86);
  // Without a box, the picture's natural size.
  EXPECT_EQ(imageIn(page, u"hidden").width(), 20);
  EXPECT_EQ(page.offsets(u"hidden").width, 0);
  // Broken: the sized box, or nothing when the alt text shows instead.
  EXPECT_EQ(imageIn(page, u"sized-broken").width(), 24);
  EXPECT_EQ(imageIn(page, u"alt-broken").width(), 0);
  EXPECT_EQ(page.offsets(u"alt-broken").width, 56);

  // Through nsIDOMHTMLImageElement, as the product asks.
  PRInt32 width = 0;
  ASSERT_EQ(imageIn(page, u"css").GetWidth(&width), NS_OK);
  EXPECT_EQ(width, 80);
}

TEST_F(ImagesTest, AltTextIsHitAsTheImageAndANewSourceIsLaidOutAgain) {
  ShownPage page("<p style='margin:0'><img id=img src=gone alt='Logo here'></p>");
  page.pages.put("http://example.com/dir/square.gif", fixture("first-frame.gif"), "image/gif");
  // The alt text "Logo here" at (8, 8 72x16): a point on it gives the image.
  EXPECT_EQ(page.document->elementFromPoint(70, 12), page.byId(u"img"));
  EXPECT_EQ(page.layout().nodeFromPoint(70, 12), page.byId(u"img"));
  EXPECT_EQ(page.layout().borderBoxInDocument(*page.byId(u"img")), nsRect(8, 8, 72, 16));

  // The 4x3 picture alone on the line (3 high, no text): the paragraph is left around it.
  page.byId(u"img")->setAttribute(u"src", u"square.gif");
  EXPECT_EQ(page.layout().borderBoxInDocument(*page.byId(u"img")), nsRect(8, 8, 4, 3));
  EXPECT_EQ(page.document->elementFromPoint(9, 9), page.byId(u"img"));
  EXPECT_EQ(page.document->elementFromPoint(70, 9), page.byId(u"img")->parentElement());
}

TEST_F(ImagesTest, ShrinkToFitMeasuresAnImageByItsAspectRatio) {
  ShownPage page(
      "<span id=wrap style='display:inline-block;border:1px solid'>"
      "<img src=logo height=30></span>");
  page.pages.put("http://example.com/dir/logo", fixture("red-blue-20x10.png"), "image/png");
  EXPECT_EQ(page.offsets(u"wrap").width, 62);  // 60 for the image, 2 for the borders
}

}  // namespace
}  // namespace geckohost::testing
