// Painting into a real X window on the private Xvfb, read back with XGetImage: boxes show
// their colours exactly inside the rectangles layout gives them (boundsOnDevice), and not
// outside; text, borders, controls, pictures, clipping, scrollbars, zoom and scrolling included.
#include <fstream>
#include <sstream>

#include "PrivateXServerEnvironment.h"
#include "ShownPage.h"
#include "paint/PagePainter.h"
#include "paint/XCanvas.h"

// Last: Xlib's macros (None, Bool, ...) must not reach the headers above.
#include "XPixels.h"

namespace geckohost::testing {
namespace {

constexpr uint32_t kWhite = 0xffffff;
constexpr uint32_t kRed = 0xff0000;
constexpr uint32_t kBlue = 0x0000ff;

std::string fixture(const char* name) {
  std::ifstream in(std::string(GECKOHOST_IMAGE_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}
constexpr int kWidth = 400;
constexpr int kHeight = 300;

class PagePainterTest : public LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    mDisplay = XOpenDisplay(testsupport::privateDisplayName().c_str());
    ASSERT_TRUE(mDisplay) << "no X server";
    int screen = DefaultScreen(mDisplay);
    mWindow = XCreateSimpleWindow(mDisplay, RootWindow(mDisplay, screen), 0, 0, kWidth, kHeight, 0,
                                  BlackPixel(mDisplay, screen), BlackPixel(mDisplay, screen));
    XSelectInput(mDisplay, mWindow, StructureNotifyMask);
    XMapWindow(mDisplay, mWindow);
    XEvent event;
    do {
      XNextEvent(mDisplay, &event);
    } while (event.type != MapNotify);
  }
  void TearDown() override {
    if (mDisplay) {
      XDestroyWindow(mDisplay, mWindow);
      XCloseDisplay(mDisplay);
    }
    LeakCheckedTest::TearDown();
  }

  void paint(ShownPage& page) {
    paint::PagePainter::paintDrawable(page.layout(), mDisplay, mWindow);
  }

  uint32_t pixelAt(int x, int y) { return testsupport::ReadPixel(mDisplay, mWindow, x, y); }

  // Every corner pixel of `rect` has `inside`; the pixels just outside its corners do not.
  void expectFilled(const nsIntRect& rect, uint32_t inside) {
    SCOPED_TRACE(::testing::Message() << "(" << rect.x << "," << rect.y << " " << rect.width << "x"
                                      << rect.height << ")");
    EXPECT_EQ(pixelAt(rect.x, rect.y), inside);
    EXPECT_EQ(pixelAt(rect.XMost() - 1, rect.y), inside);
    EXPECT_EQ(pixelAt(rect.x, rect.YMost() - 1), inside);
    EXPECT_EQ(pixelAt(rect.XMost() - 1, rect.YMost() - 1), inside);
    EXPECT_NE(pixelAt(rect.x - 1, rect.y), inside);
    EXPECT_NE(pixelAt(rect.XMost(), rect.y), inside);
    EXPECT_NE(pixelAt(rect.x, rect.y - 1), inside);
    EXPECT_NE(pixelAt(rect.x, rect.YMost()), inside);
  }

  Display* mDisplay = nullptr;
  Window mWindow = 0;
};

TEST_F(PagePainterTest, ColouredBoxesAndBordersLandWhereLayoutPutsThem) {
  ShownPage page(
      "<div id=red style='position:absolute;left:20px;top:30px;width:50px;height:40px;"
      "background:red'></div>"
      "<div id=framed style='position:absolute;left:100px;top:30px;width:40px;height:20px;"
      "background:#0000ff;border:3px solid #00ff00'></div>",
      nsIntSize(kWidth, kHeight));
  paint(page);
  nsIntRect red = page.layout().boundsOnDevice(*page.byId(u"red"));
  EXPECT_EQ(red, nsIntRect(20, 30, 50, 40));
  expectFilled(red, 0xff0000);
  EXPECT_EQ(pixelAt(5, 5), kWhite);  // the canvas

  nsIntRect framed = page.layout().boundsOnDevice(*page.byId(u"framed"));
  EXPECT_EQ(framed, nsIntRect(100, 30, 46, 26));
  expectFilled(framed, 0x00ff00);  // the border's outer edge
  expectFilled(nsIntRect(framed.x + 3, framed.y + 3, 40, 20), 0x0000ff);
}

TEST_F(PagePainterTest, TextShowsInsideItsFragment) {
  ShownPage page("<p id=p style='margin:0'>MMMM</p>", nsIntSize(kWidth, kHeight));
  paint::XCanvas canvas(mDisplay, mWindow);
  ASSERT_TRUE(canvas.hasFont(13)) << paint::XCanvas::kFontFamily << " missing (fonts-dejavu-core)";
  paint(page);
  // "MMMM" at (8, 8 32x16): some pixel of each character cell is ink; right of it none is.
  nsIntRect text = page.layout().boundsOnDevice(*page.byId(u"p")->firstChild());
  ASSERT_EQ(text, nsIntRect(8, 8, 32, 16));
  for (int cell = 0; cell < 4; ++cell) {
    bool ink = false;
    for (int x = text.x + cell * 8; x < text.x + cell * 8 + 8 && !ink; ++x) {
      for (int y = text.y; y < text.YMost() && !ink; ++y)
        ink = pixelAt(x, y) != kWhite;
    }
    EXPECT_TRUE(ink) << "cell " << cell;
  }
  for (int y = text.y; y < text.YMost(); ++y)
    EXPECT_EQ(pixelAt(text.XMost() + 4, y), kWhite);
}

TEST_F(PagePainterTest, ZoomAndScrollingMoveWhatIsPainted) {
  ShownPage page(
      "<body style='background:#ffff00'>"
      "<div id=box style='position:absolute;left:10px;top:100px;width:30px;height:20px;"
      "background:#ff00ff'></div><div style='height:1000px'></div>",
      nsIntSize(kWidth, kHeight), 1.5);
  paint(page);
  EXPECT_EQ(pixelAt(1, 1), 0xffff00u);  // the body's background fills the canvas
  nsIntRect box = page.layout().boundsOnDevice(*page.byId(u"box"));
  EXPECT_EQ(box, nsIntRect(15, 150, 45, 30));
  expectFilled(box, 0xff00ff);

  page.layout().scrollViewportTo(0, 33);
  paint(page);
  box = page.layout().boundsOnDevice(*page.byId(u"box"));
  EXPECT_EQ(box, nsIntRect(15, 100, 45, 30));  // 67 x 1.5 = 100.5
  expectFilled(box, 0xff00ff);
  // The viewport's vertical bar: its client area is 250 CSS pixels wide (266 less the bar's
  // 16), 375 device pixels; the bar is 24 device pixels from there.
  EXPECT_EQ(pixelAt(375, kHeight - 2), paint::PagePainter::kTrackColor);
  EXPECT_EQ(pixelAt(398, kHeight - 2), paint::PagePainter::kTrackColor);
  EXPECT_EQ(pixelAt(374, kHeight - 2), 0xffff00u);
}

TEST_F(PagePainterTest, ScrollContainersClipTheirContent) {
  ShownPage page(
      "<div id=box style='overflow:auto;width:100px;height:50px;background:#00ffff'>"
      "<div id=inner style='width:80px;height:200px;background:#ff0000'></div>"
      "<div style='height:100px'></div></div>",
      nsIntSize(kWidth, kHeight));
  paint(page);
  nsIntRect box = page.layout().boundsOnDevice(*page.byId(u"box"));
  EXPECT_EQ(box, nsIntRect(8, 8, 100, 50));
  // The inner box goes on below the scroller, but shows only inside its client area, which
  // ends at x 92 where the vertical bar starts.
  expectFilled(nsIntRect(8, 8, 80, 50), 0xff0000);
  EXPECT_EQ(pixelAt(8 + 82, 8 + 10), 0x00ffffu);  // the scroller's own background
  EXPECT_EQ(pixelAt(8 + 84, 8 + 40), paint::PagePainter::kTrackColor);
  EXPECT_EQ(pixelAt(10, 8 + 60), kWhite);

  page.byId(u"box")->scrollTo(0, 180);  // 20 pixels of the inner box left to show
  paint(page);
  expectFilled(nsIntRect(8, 8, 80, 20), 0xff0000);
  EXPECT_EQ(pixelAt(10, 8 + 30), 0x00ffffu);
}

TEST_F(PagePainterTest, ControlsAndBrokenImagesAreDrawnPlainly) {
  ShownPage page(
      "<img id=img width=20 height=20><input id=check type=checkbox checked>"
      "<input id=off type=checkbox><input id=field value=''>"
      "<img id=alt alt=MMMM width=60 height=24 style='background:#ffffff'>",
      nsIntSize(kWidth, kHeight));
  paint(page);
  // A grey box in a 1 pixel inset frame.
  nsIntRect image = page.layout().boundsOnDevice(*page.byId(u"img"));
  expectFilled(nsIntRect(image.x + 1, image.y + 1, 18, 18), 0xc0c0c0);
  EXPECT_EQ(pixelAt(image.x, image.y), 0x808080u);
  EXPECT_EQ(pixelAt(image.XMost() - 1, image.YMost() - 1), 0xe0e0e0u);
  // Its alt text inside the frame, 4 pixels in: ink in the first character's cell.
  nsIntRect alt = page.layout().boundsOnDevice(*page.byId(u"alt"));
  bool ink = false;
  for (int x = alt.x + 4; x < alt.x + 12 && !ink; ++x) {
    for (int y = alt.y + 4; y < alt.y + 20 && !ink; ++y)
      ink = pixelAt(x, y) != kWhite;
  }
  EXPECT_TRUE(ink);
  EXPECT_EQ(pixelAt(alt.x + 50, alt.y + 12), kWhite);  // right of "MMMM"
  nsIntRect check = page.layout().boundsOnDevice(*page.byId(u"check"));
  nsIntRect off = page.layout().boundsOnDevice(*page.byId(u"off"));
  EXPECT_EQ(pixelAt(check.x + check.width / 2, check.y + check.height / 2), 0x000000u);
  EXPECT_EQ(pixelAt(off.x + off.width / 2, off.y + off.height / 2), kWhite);
  EXPECT_EQ(pixelAt(off.x, off.y), 0x000000u);  // its frame
  nsIntRect field = page.layout().boundsOnDevice(*page.byId(u"field"));
  EXPECT_EQ(pixelAt(field.x, field.y), 0x808080u);  // inset: dark above and left
  EXPECT_EQ(pixelAt(field.XMost() - 1, field.YMost() - 1), 0xe0e0e0u);
  EXPECT_EQ(pixelAt(field.x + 10, field.y + 10), kWhite);
}

// Each channel within 1 of the expected colour (alpha blending rounds).
::testing::AssertionResult nearColour(uint32_t actual, uint32_t expected) {
  for (int shift = 0; shift < 24; shift += 8) {
    int a = int((actual >> shift) & 0xff);
    int e = int((expected >> shift) & 0xff);
    if (a - e > 1 || e - a > 1)
      return ::testing::AssertionFailure() << std::hex << actual << " is not " << expected;
  }
  return ::testing::AssertionSuccess();
}

TEST_F(PagePainterTest, PicturesShowTheirPixelsScaledAndBlended) {
  ShownPage page(
      "<body style='background:#000000'>"
      "<div><img id=natural src=red-blue.png><img id=stretched src=red-blue.png width=40></div>"
      "<div style='margin-top:10px'><img id=alpha src=palette.png width=20 height=20></div>",
      nsIntSize(kWidth, kHeight));
  page.pages.put("http://example.com/dir/red-blue.png", fixture("red-blue-20x10.png"));
  page.pages.put("http://example.com/dir/palette.png", fixture("palette.png"));
  paint(page);

  // 20x10: the left half red, the right half blue, exactly where layout put the picture.
  nsIntRect natural = page.layout().boundsOnDevice(*page.byId(u"natural"));
  ASSERT_EQ(natural.width, 20);
  ASSERT_EQ(natural.height, 10);
  expectFilled(nsIntRect(natural.x, natural.y, 10, 10), kRed);
  expectFilled(nsIntRect(natural.x + 10, natural.y, 10, 10), kBlue);
  // Stretched to 40x20: each half twice as large.
  nsIntRect stretched = page.layout().boundsOnDevice(*page.byId(u"stretched"));
  ASSERT_EQ(stretched.width, 40);
  expectFilled(nsIntRect(stretched.x, stretched.y, 20, 20), kRed);
  expectFilled(nsIntRect(stretched.x + 20, stretched.y, 20, 20), kBlue);

  // 2x2 over black: red, blue / transparent, white at half alpha.
  nsIntRect alpha = page.layout().boundsOnDevice(*page.byId(u"alpha"));
  ASSERT_EQ(alpha.width, 20);
  EXPECT_EQ(pixelAt(alpha.x + 5, alpha.y + 5), kRed);
  EXPECT_EQ(pixelAt(alpha.x + 15, alpha.y + 5), kBlue);
  EXPECT_EQ(pixelAt(alpha.x + 5, alpha.y + 15), 0x000000u);
  EXPECT_TRUE(nearColour(pixelAt(alpha.x + 15, alpha.y + 15), 0x808080));

  // At 150 % the natural picture covers 30x15 device pixels.
  page.layout().setZoom(1.5);
  paint(page);
  natural = page.layout().boundsOnDevice(*page.byId(u"natural"));
  ASSERT_EQ(natural, nsIntRect(natural.x, natural.y, 30, 15));
  expectFilled(nsIntRect(natural.x, natural.y, 15, 15), kRed);
  expectFilled(nsIntRect(natural.x + 15, natural.y, 15, 15), kBlue);
}

}  // namespace
}  // namespace geckohost::testing
