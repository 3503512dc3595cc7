// The window-handle walk and WidgetToScreen, on real X windows of the private X server.
#include <gtest/gtest.h>

#include <climits>

#include "HostFixture.h"
#include "NSWidgetUtils.h"
#include "nsIBaseWindow.h"
#include "nsIWidget.h"
// Xlib last: its macros (None, Status) would clash with the declarations above.
#include "NSXlib.h"

namespace {

// The product opens its display while it loads, before the test's X server runs; this fixture
// gives it a connection to that server for the duration of each test.
class NativeWindowsTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    m_display = XOpenDisplay(nullptr);
    ASSERT_TRUE(m_display);
    ns_zv_display = m_display;
  }
  void TearDown() override {
    for (Window window : m_created)
      XDestroyWindow(m_display, window);
    ns_zv_display = nullptr;
    XCloseDisplay(m_display);
    HostFixture::TearDown();
  }

  Window createChild(Window parent) {
    Window window = XCreateSimpleWindow(m_display, parent, 0, 0, 10, 10, 0, 0, 0);
    if (parent == DefaultRootWindow(m_display))
      m_created.push_back(window);
    XSync(m_display, False);
    return window;
  }

  void setClass(Window window, const char* name, const char* resourceClass) {
    XClassHint hint;
    hint.res_name = const_cast<char*>(name);
    hint.res_class = const_cast<char*>(resourceClass);
    XSetClassHint(m_display, window, &hint);
    XSync(m_display, False);
  }

  Display* m_display = nullptr;
  std::vector<Window> m_created;
};

}  // namespace

TEST_F(NativeWindowsTest, TheWalkStopsAtWmClassOrBelowTheRoot) {
  Window root = DefaultRootWindow(m_display);
  Window top = createChild(root);
  Window middle = createChild(top);
  Window leaf = createChild(middle);
  // No WM_CLASS anywhere: the child of the root on the way up.
  EXPECT_EQ(ns_zv_topLevelWindowHandle(leaf), top);
  EXPECT_EQ(ns_zv_topLevelWindowHandle(top), top);
  // A window with its own WM_CLASS is its own handle.
  setClass(leaf, "leaf", "Leaf");
  EXPECT_EQ(ns_zv_topLevelWindowHandle(leaf), leaf);
  // The nearest named window going up wins; a class without a name counts too.
  setClass(middle, nullptr, "OnlyClass");
  Window below = createChild(middle);
  EXPECT_EQ(ns_zv_topLevelWindowHandle(below), middle);
  EXPECT_EQ(ns_zv_topLevelWindowHandle(0), 0u);

  // Without a display there is no walk.
  ns_zv_display = nullptr;
  EXPECT_EQ(ns_zv_topLevelWindowHandle(leaf), 0u);
}

// Agents' points far off the screen stay far off; they never wrap round into the page.
TEST(OffsetFromOriginTest, HoldsTheDifferenceToTheIntRange) {
  EXPECT_EQ(OffsetFromOrigin(150, 100), 50);
  EXPECT_EQ(OffsetFromOrigin(-5, 100), -105);
  EXPECT_EQ(OffsetFromOrigin(INT_MIN, 100), INT_MIN);
  EXPECT_EQ(OffsetFromOrigin(INT_MIN + 50, 100), INT_MIN);
  EXPECT_EQ(OffsetFromOrigin(INT_MAX, -100), INT_MAX);
  EXPECT_EQ(OffsetFromOrigin(INT_MAX, INT_MAX), 0);
  EXPECT_EQ(OffsetFromOrigin(0, INT_MIN), INT_MAX);
}

TEST_F(NativeWindowsTest, WidgetToScreenAddsTheWidgetsScreenOffset) {
  geckohost::BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  geckohost::BrowserWindow& window = host->openBrowserWindow(options);
  nsCOMPtr<nsIBaseWindow> base = do_QueryInterface(window.xulWindow());
  nsCOMPtr<nsIWidget> widget;
  base->GetMainWidget(getter_AddRefs(widget));
  ASSERT_TRUE(widget);
  // The top-level widget sits inside the decoration: screen (104, 104).
  nsIntRect out;
  WidgetToScreen(widget, nsIntRect(10, 20, 30, 40), &out);
  EXPECT_EQ(out, nsIntRect(114, 124, 30, 40));
  // App units are not converted: the numbers move as they stand.
  nsRect appUnits;
  WidgetToScreen(widget, nsRect(-600, 60, 1200, 7), &appUnits);
  EXPECT_EQ(appUnits, nsRect(-496, 164, 1200, 7));
  // Without a widget the rectangle is copied.
  WidgetToScreen(nullptr, nsIntRect(1, 2, 3, 4), &out);
  EXPECT_EQ(out, nsIntRect(1, 2, 3, 4));
  // The handle walk from the widget's own window reaches the WM_CLASS window.
  Window widgetWindow = reinterpret_cast<Window>(widget->GetNativeData(NS_NATIVE_PLUGIN_PORT));
  EXPECT_EQ(ns_zv_topLevelWindowHandle(widgetWindow), window.topLevelWindow());
}
