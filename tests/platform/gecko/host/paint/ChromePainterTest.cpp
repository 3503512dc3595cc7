// The chrome painted into a browser window's top-level widget on the private X server, read
// back pixel by pixel: toolbar colours, grey glyphs for buttons with nothing to do, the
// address bar's field, the tab and status texts, and a dialog's buttons. Rectangles are those
// of docs/chrome.md, relative to the top-level widget (W = 632 for a 640 wide window).
#include <string>

#include "HostFixture.h"
#include "PrivateXServerEnvironment.h"
#include "XULWindow.h"
#include "nsIDOMDocument.h"
#include "paint/ChromePainter.h"
#include "paint/FramePainter.h"

// Last: Xlib's macros (None, Bool, ...) must not reach the headers above.
#include "XPixels.h"

namespace {

using geckohost::paint::ChromePainter;
using geckohost::paint::FramePainter;

class ChromePainterTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    mDisplay = XOpenDisplay(testsupport::privateDisplayName().c_str());
    ASSERT_TRUE(mDisplay);
    page("http://test/a.html", "<title>Page A</title><p>a</p>");
    page("http://test/b.html", "<title>Page B</title><p>b</p>");
  }
  void TearDown() override {
    if (mDisplay)
      XCloseDisplay(mDisplay);
    HostFixture::TearDown();
  }

  geckohost::BrowserWindow& open() {
    geckohost::BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = {"http://test/a.html"};
    geckohost::BrowserWindow& window = host->openBrowserWindow(options);
    window.paint();
    return window;
  }

  uint32_t pixel(unsigned long window, int x, int y) {
    return testsupport::ReadPixel(mDisplay, window, x, y);
  }

  // Pixels of `rect` drawn in a dark ink (text and enabled glyphs, after anti-aliasing).
  int darkPixels(unsigned long window, int x, int y, int width, int height) {
    int dark = 0;
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) {
        uint32_t rgb = pixel(window, column, row);
        if ((rgb >> 16 & 0xff) < 0x70 && (rgb >> 8 & 0xff) < 0x70 && (rgb & 0xff) < 0x70)
          ++dark;
      }
    }
    return dark;
  }

  // Pixels of `rect` drawn in a light ink (the frame's title and buttons).
  int lightPixels(unsigned long window, int x, int y, int width, int height) {
    int light = 0;
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) {
        uint32_t rgb = pixel(window, column, row);
        if ((rgb >> 16 & 0xff) > 0xc0 && (rgb >> 8 & 0xff) > 0xc0 && (rgb & 0xff) > 0xc0)
          ++light;
      }
    }
    return light;
  }

  static std::string attribute(nsIDOMDocument* chrome, const char* id, const char* name) {
    nsCOMPtr<nsIDOMElement> element = elementById(chrome, id);
    nsString value;
    if (element)
      element->GetAttribute(NS_ConvertUTF8toUTF16(name), value);
    return utf8(value);
  }

  Display* mDisplay = nullptr;
};

}  // namespace

TEST_F(ChromePainterTest, ToolbarsFieldsAndButtonStatesArePainted) {
  geckohost::BrowserWindow& window = open();
  unsigned long top = window.widgetWindow();
  // Bars in the toolbar colour, the address field white past its text.
  EXPECT_EQ(pixel(top, 33, 1), ChromePainter::kToolbarColor);
  EXPECT_EQ(pixel(top, 300, 33), ChromePainter::kToolbarColor);  // the bookmarks bar
  EXPECT_EQ(pixel(top, 600, 16), ChromePainter::kFieldColor);
  EXPECT_EQ(pixel(top, 400, 60), ChromePainter::kTabStripColor);  // right of the only tab
  // Back has nothing to do: its glyph is grey. Reload always has: dark.
  EXPECT_EQ(darkPixels(top, 0, 0, 32, 32), 0);
  EXPECT_GT(darkPixels(top, 64, 0, 32, 32), 5);
  // The address bar and the tab show the page.
  EXPECT_GT(darkPixels(top, 164, 6, 200, 20), 20);
  EXPECT_GT(darkPixels(top, 4, 60, 140, 22), 20);
  nsCOMPtr<nsIDOMDocument> chrome = window.chromeDocument();
  EXPECT_EQ(attribute(chrome, "urlbar", "value"), "http://test/a.html");
  EXPECT_EQ(attribute(chrome, "tab-0", "label"), "Page A");

  // After a second page, back has something to do; the texts follow the page.
  window.loadUrl("http://test/b.html");
  window.setStatusText("Done");
  window.paint();
  EXPECT_GT(darkPixels(top, 0, 0, 32, 32), 5);
  EXPECT_EQ(attribute(chrome, "urlbar", "value"), "http://test/b.html");
  EXPECT_EQ(attribute(chrome, "tab-0", "label"), "Page B");
  EXPECT_GT(darkPixels(top, 0, 452 - 22, 100, 22), 5);  // the status text
}

// The frame stands for the window manager's decoration: a title bar (24 high) with the
// window's title on the left and three buttons on the right, a border around.
TEST_F(ChromePainterTest, TheFrameShowsTheTitleAndTheWindowButtons) {
  geckohost::BrowserWindow& window = open();
  unsigned long frame = window.frameWindow();
  EXPECT_EQ(pixel(frame, 400, 4), FramePainter::kTitleBarColor);
  EXPECT_EQ(pixel(frame, 0, 200), FramePainter::kBorderColor);
  EXPECT_EQ(pixel(frame, 639, 479), FramePainter::kBorderColor);
  // "Page A - Mozilla Firefox": 24 characters from x = 8.
  EXPECT_GT(lightPixels(frame, 8, 0, 24 * 7, 24), 60);
  EXPECT_EQ(lightPixels(frame, 8 + 25 * 7, 0, 200, 24), 0);
  const int close = 640 - 4 - FramePainter::kButtonWidth;
  EXPECT_GT(lightPixels(frame, close, 0, FramePainter::kButtonWidth, 24), 5);
  EXPECT_GT(
      lightPixels(frame, close - 2 * FramePainter::kButtonWidth, 0, FramePainter::kButtonWidth, 24),
      2);
}

TEST_F(ChromePainterTest, TheFindBarShowsItsFieldAndButtonsWhenShown) {
  geckohost::BrowserWindow& window = open();
  unsigned long top = window.widgetWindow();
  // H = 452: the find bar, 30 high, sits on the status bar (22 high) when shown.
  const int barTop = 452 - 22 - 30;
  EXPECT_NE(pixel(top, 300, barTop + 15), ChromePainter::kToolbarColor);  // the page there
  window.setFindBarShown(true);
  nsCOMPtr<nsIDOMElement> field = elementById(window.chromeDocument(), "find-field");
  ASSERT_TRUE(field);
  field->SetAttribute(NS_LITERAL_STRING("value"), NS_LITERAL_STRING("needle"));
  window.paint();
  EXPECT_EQ(pixel(top, 500, barTop + 15), ChromePainter::kToolbarColor);
  EXPECT_GT(darkPixels(top, 0, barTop, 24, 30), 5);  // the close glyph
  EXPECT_EQ(pixel(top, 24 + 150, barTop + 15), ChromePainter::kFieldColor);
  EXPECT_GT(darkPixels(top, 24, barTop, 200, 30), 20);  // "needle"
  EXPECT_GT(darkPixels(top, 224, barTop, 60, 30), 5);   // Next
  EXPECT_GT(darkPixels(top, 284, barTop, 70, 30), 5);   // Previous
}

TEST_F(ChromePainterTest, ADialogShowsItsTextsAndButtons) {
  geckohost::BrowserWindow& owner = open();
  geckohost::DialogOptions options;
  options.width = 360;
  options.height = 200;
  options.message = "Delete everything?";
  options.checkboxLabel = "Do not ask again";
  geckohost::DialogWindow& dialog = host->openDialog(owner, options);
  dialog.window().paint();
  unsigned long top = dialog.widgetWindow();
  // W = 352, H = 172: the message row, the check box, and two buttons at the bottom right.
  EXPECT_GT(darkPixels(top, 0, 18, 200, 18), 20);
  EXPECT_EQ(pixel(top, 2, 36 + 5), ChromePainter::kShadowColor);  // the check box's frame
  EXPECT_EQ(pixel(top, 5, 36 + 5), ChromePainter::kFieldColor);
  EXPECT_GT(darkPixels(top, 352 - 160, 172 - 26, 80, 26), 5);  // OK
  EXPECT_GT(darkPixels(top, 352 - 80, 172 - 26, 80, 26), 5);   // Cancel
  EXPECT_EQ(pixel(top, 352 - 200, 172 - 13), ChromePainter::kWindowColor);
}
