// Layout, accessibility and painting plugged into the shells, seen from outside: where frame
// widgets go on the X server, what the accessibility switch does, and what a painted window
// shows. The window is opened at (100, 80, 640, 480): its content widget is at screen
// (104, 188), 632 x 346.
#include "HostFixture.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIDOMWindow.h"
// Xlib last: its macros (None, Status) would clash with the test framework's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

class ShellLayoutTest : public HostFixture {
 protected:
  BrowserWindow& open(const std::string& markup, float zoom = 1.0f) {
    page("http://test/page.html", markup);
    page("http://test/inner.html", "<body style='background:#00ff00'>inner</body>");
    BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = {"http://test/page.html"};
    options.zoom = zoom;
    return host->openBrowserWindow(options);
  }

  // The only child window of the tab's content widget: the iframe's widget.
  testsupport::XWindowId frameWidget(BrowserWindow& window) {
    std::vector<testsupport::XWindowId> children =
        observer.childrenOf(window.contentWidgetWindow(0));
    return children.size() == 1 ? children[0] : 0;
  }

  // The colour of a screen pixel as 0xRRGGBB, read by a connection of the test's own.
  static unsigned long pixelAt(int x, int y) {
    Display* display = XOpenDisplay(nullptr);
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xffffff : 0xdeadbeef;
    if (image)
      XDestroyImage(image);
    XCloseDisplay(display);
    return pixel;
  }
};

const char kIframePage[] =
    "<body><iframe id=frame src=inner.html style='position:absolute; left:50px; top:40px'>"
    "</iframe><div style='height:1000px'></div></body>";

}  // namespace

TEST_F(ShellLayoutTest, FrameWidgetsSitAtTheFramesContentBox) {
  BrowserWindow& window = open(kIframePage);
  testsupport::XWindowId frame = frameWidget(window);
  ASSERT_NE(frame, 0u);
  // The iframe's border box is at (50, 40); its content box 2 px further in, 300 x 150.
  EXPECT_EQ(observer.relativeRect(frame), (testsupport::ScreenRect{52, 42, 300, 150}));
  EXPECT_TRUE(observer.isViewable(frame));
  // Scrolling the page moves the frame's widget with it.
  window.domWindow(0)->ScrollTo(0, 10);
  window.paint();  // brings frames up to date, as every control call does
  EXPECT_EQ(observer.relativeRect(frame), (testsupport::ScreenRect{52, 32, 300, 150}));
  // At 150 % the content box is scaled: (52, 42, 300, 150) x 1.5, scroll kept at 10 CSS px.
  window.setZoom(0, 1.5f);
  EXPECT_EQ(observer.relativeRect(frame), (testsupport::ScreenRect{78, 48, 450, 225}));
}

TEST_F(ShellLayoutTest, TheAccessibilitySwitchDecidesWhetherAccessiblesExist) {
  BrowserWindow& window = open("<body><p id=p style='margin:0'>text</p></body>");
  nsCOMPtr<nsIDOMNode> paragraph = do_QueryInterface(elementById(window.document(0), "p"));
  nsCOMPtr<nsIAccessibleRetrieval> retrieval =
      do_CreateInstance("@mozilla.org/accessibleRetrieval;1");
  ASSERT_TRUE(retrieval);
  nsCOMPtr<nsIAccessible> accessible;
  retrieval->GetAccessibleFor(paragraph, getter_AddRefs(accessible));
  EXPECT_FALSE(accessible);
  host->setAccessibilityEnabled(true);
  EXPECT_TRUE(host->accessibilityEnabled());
  ASSERT_EQ(retrieval->GetAccessibleFor(paragraph, getter_AddRefs(accessible)), NS_OK);
  ASSERT_TRUE(accessible);
  PRInt32 x = 0, y = 0, width = 0, height = 0;
  accessible->GetBounds(&x, &y, &width, &height);
  // Body margin 8; the paragraph is the body's width and one line high.
  EXPECT_EQ(x, 112);
  EXPECT_EQ(y, 196);
  EXPECT_EQ(width, 616);
  EXPECT_EQ(height, 16);
  accessible = nullptr;
  host->setAccessibilityEnabled(false);
}

TEST_F(ShellLayoutTest, PaintingPutsThePageOnTheScreen) {
  BrowserWindow& window = open(
      "<body style='margin:0'><div style='position:absolute; left:20px; top:30px; width:40px;"
      " height:20px; background-color:#ff0000'></div>" +
      std::string(kIframePage).substr(6));
  window.paint();
  EXPECT_EQ(pixelAt(104 + 20, 188 + 30), 0xff0000u);
  EXPECT_EQ(pixelAt(104 + 45, 188 + 39), 0xff0000u);  // the box's last row, left of the iframe
  EXPECT_EQ(pixelAt(104 + 60, 188 + 30), 0xffffffu);  // just right of the box: the canvas
  // The iframe's page paints into the frame's own widget: its green body.
  EXPECT_EQ(pixelAt(104 + 52 + 150, 188 + 42 + 100), 0x00ff00u);
}
