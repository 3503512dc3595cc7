// Widgets against the X windows under them, as an independent connection sees them.
//
//   root
//   └── frame (100, 80, 640, 480)
//       └── top level (4, 24) in the frame: (104, 104, 632, 452) on the screen
//           └── top widget's window, filling the top level
//               ├── content (0, 84, 632, 346)
//               │   └── frame widget (10, 20, 200, 100)
//               └── status (0, 430, 632, 22)
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "LiveObjects.h"
#include "Widget.h"
#include "XConnection.h"
#include "XErrorLog.h"
#include "XObserver.h"

using geckohost::LiveObjects;
using geckohost::Widget;
using geckohost::x11::XConnection;
using geckohost::x11::XErrorLog;
using testsupport::ScreenRect;
using testsupport::XObserver;

namespace {

unsigned long nativeId(nsIWidget* widget, PRUint32 kind) {
  return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(widget->GetNativeData(kind)));
}

nsIntRect boundsOf(nsIWidget* widget) {
  nsIntRect rect(-1, -1, -1, -1);
  widget->GetBounds(rect);
  return rect;
}

nsIntRect screenBoundsOf(nsIWidget* widget) {
  nsIntRect rect(-1, -1, -1, -1);
  widget->GetScreenBounds(rect);
  return rect;
}

ScreenRect asScreenRect(const nsIntRect& r) {
  return {r.x, r.y, r.width, r.height};
}

class WidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(observer.connected());
    connection = XConnection::open(nullptr);
    ASSERT_TRUE(connection);
    liveBefore = LiveObjects::count();
    windowsBefore = observer.descendantCount(observer.root());
    errorsBefore = XErrorLog::count();
  }
  void TearDown() override {
    if (!observer.connected())
      return;
    EXPECT_EQ(LiveObjects::count(), liveBefore) << "widgets leaked";
    EXPECT_EQ(observer.descendantCount(observer.root()), windowsBefore) << "X windows leaked";
    EXPECT_EQ(XErrorLog::count(), errorsBefore);
    connection.reset();
  }

  // Whether `window` is gone. Asking about a gone window costs a BadWindow error on the
  // observer's connection, which is the observer's and not counted against the host.
  bool gone(unsigned long window) {
    long errors = XErrorLog::count();
    bool exists = observer.exists(window);
    errorsBefore += XErrorLog::count() - errors;
    return !exists;
  }

  XObserver observer;
  std::unique_ptr<XConnection> connection;
  long liveBefore = 0;
  int windowsBefore = 0;
  long errorsBefore = 0;
};

TEST_F(WidgetTest, TopLevelWidgetSitsThreeDeepWithScreenBounds) {
  nsCOMPtr<Widget> top = Widget::createTopLevel(*connection, {100, 80, 640, 480});
  nsIWidget* widget = top;
  unsigned long own = nativeId(widget, NS_NATIVE_PLUGIN_PORT);
  EXPECT_EQ(nativeId(widget, NS_NATIVE_WINDOW), own);
  EXPECT_EQ(own, top->nativeWindowId());
  EXPECT_EQ(observer.parentOf(own), top->topLevelWindowId());
  EXPECT_EQ(observer.parentOf(top->topLevelWindowId()), top->frameWindowId());
  EXPECT_EQ(observer.parentOf(top->frameWindowId()), observer.root());
  EXPECT_FALSE(observer.classHint(own).has_value());
  EXPECT_EQ(widget->GetNativeData(NS_NATIVE_GRAPHIC), nullptr);

  EXPECT_EQ(widget->GetParent(), nullptr);
  EXPECT_EQ(boundsOf(widget), nsIntRect(104, 104, 632, 452));
  EXPECT_EQ(screenBoundsOf(widget), nsIntRect(104, 104, 632, 452));
  EXPECT_EQ(asScreenRect(boundsOf(widget)), observer.screenRect(own));
  nsIntRect client;
  widget->GetClientBounds(client);
  EXPECT_EQ(client, nsIntRect(0, 0, 632, 452));
  EXPECT_EQ(widget->WidgetToScreenOffset(), nsIntPoint(104, 104));

  PRBool visible = PR_TRUE;
  widget->IsVisible(visible);
  EXPECT_FALSE(visible);
  EXPECT_FALSE(observer.isViewable(own));
  EXPECT_EQ(widget->Show(PR_TRUE), NS_OK);
  EXPECT_TRUE(observer.isViewable(own));
  widget->IsVisible(visible);
  EXPECT_TRUE(visible);

  // Moving a top-level widget places its top level there and the frame around it.
  EXPECT_EQ(widget->Move(50, 60), NS_OK);
  EXPECT_EQ(observer.screenRect(top->frameWindowId()), (ScreenRect{46, 36, 640, 480}));
  EXPECT_EQ(observer.screenRect(own), (ScreenRect{50, 60, 632, 452}));
  EXPECT_EQ(widget->Resize(300, 200, PR_FALSE), NS_OK);
  EXPECT_EQ(observer.screenRect(top->frameWindowId()), (ScreenRect{46, 36, 308, 228}));
  EXPECT_EQ(observer.screenRect(own), (ScreenRect{50, 60, 300, 200}));
  EXPECT_EQ(widget->Resize(-1, 5, PR_FALSE), NS_ERROR_INVALID_ARG);
  top->setOuterBounds({0, 0, 200, 100});
  EXPECT_EQ(boundsOf(widget), nsIntRect(4, 24, 192, 72));

  EXPECT_EQ(widget->SetTitle(NS_ConvertUTF8toUTF16("Seite \xE2\x80\x93 eins")), NS_OK);
  EXPECT_EQ(observer.utf8Title(top->topLevelWindowId()), "Seite \xE2\x80\x93 eins");
  top->destroy();
}

TEST_F(WidgetTest, ChildWidgetsAreRelativeToTheirParentAndMirrorTheXTree) {
  nsCOMPtr<Widget> top = Widget::createTopLevel(*connection, {100, 80, 640, 480});
  top->show(true);
  nsCOMPtr<Widget> content = Widget::createChild(*top, {0, 84, 632, 346});
  nsCOMPtr<Widget> status = Widget::createChild(*top, {0, 430, 632, 22});
  nsCOMPtr<Widget> frame = Widget::createChild(*content, {10, 20, 200, 100});
  nsCOMPtr<Widget> hidden = Widget::createChild(*top, {1, 2, 3, 4}, Widget::Visibility::Hidden);

  EXPECT_EQ(content->GetParent(), static_cast<nsIWidget*>(top));
  EXPECT_EQ(frame->GetParent(), static_cast<nsIWidget*>(content));
  EXPECT_EQ(top->GetFirstChild(), static_cast<nsIWidget*>(content));
  EXPECT_EQ(top->GetLastChild(), static_cast<nsIWidget*>(hidden));
  EXPECT_EQ(content->GetNextSibling(), static_cast<nsIWidget*>(status));
  EXPECT_EQ(status->GetPrevSibling(), static_cast<nsIWidget*>(content));
  EXPECT_EQ(content->GetPrevSibling(), nullptr);
  EXPECT_EQ(top->GetNextSibling(), nullptr);

  EXPECT_EQ(observer.parentOf(frame->nativeWindowId()), content->nativeWindowId());
  EXPECT_EQ(observer.parentOf(content->nativeWindowId()), top->nativeWindowId());
  EXPECT_EQ(boundsOf(frame), nsIntRect(10, 20, 200, 100));
  EXPECT_EQ(screenBoundsOf(frame), nsIntRect(114, 208, 200, 100));
  EXPECT_EQ(frame->WidgetToScreenOffset(), nsIntPoint(114, 208));
  for (nsIWidget* widget : {static_cast<nsIWidget*>(content), static_cast<nsIWidget*>(status),
                            static_cast<nsIWidget*>(frame)}) {
    EXPECT_EQ(asScreenRect(screenBoundsOf(widget)),
              observer.screenRect(nativeId(widget, NS_NATIVE_WINDOW)));
  }
  nsIntRect client;
  frame->GetClientBounds(client);
  EXPECT_EQ(client, nsIntRect(0, 0, 200, 100));
  EXPECT_TRUE(observer.isViewable(frame->nativeWindowId()));
  EXPECT_FALSE(observer.isMapped(hidden->nativeWindowId()));

  // Moving the parent moves the children on the screen, not in their parent.
  content->Move(0, 100);
  EXPECT_EQ(boundsOf(frame), nsIntRect(10, 20, 200, 100));
  EXPECT_EQ(screenBoundsOf(frame), nsIntRect(114, 224, 200, 100));
  EXPECT_EQ(observer.screenRect(frame->nativeWindowId()), (ScreenRect{114, 224, 200, 100}));
  frame->Resize(5, 6, 70, 80, PR_TRUE);
  EXPECT_EQ(observer.relativeRect(frame->nativeWindowId()), (ScreenRect{5, 6, 70, 80}));

  // Destroying a branch takes its X windows and detaches it; the object answers failures.
  unsigned long frameWindow = frame->nativeWindowId();
  EXPECT_EQ(content->Destroy(), NS_OK);
  EXPECT_TRUE(gone(frameWindow));
  EXPECT_EQ(frame->GetNativeData(NS_NATIVE_WINDOW), nullptr);
  EXPECT_EQ(frame->GetParent(), nullptr);
  EXPECT_EQ(frame->Show(PR_TRUE), NS_ERROR_FAILURE);
  EXPECT_EQ(top->GetFirstChild(), static_cast<nsIWidget*>(status));
  nsCOMPtr<Widget> orphan = Widget::createChild(*content, {0, 0, 5, 5});
  EXPECT_TRUE(orphan->isDestroyed());
  unsigned long statusWindow = status->nativeWindowId();
  top->destroy();
  EXPECT_TRUE(gone(statusWindow));
}

TEST_F(WidgetTest, ReleasingTheLastReferenceDestroysTheWindows) {
  unsigned long frameWindow, childWindow;
  {
    nsCOMPtr<Widget> top = Widget::createTopLevel(*connection, {0, 0, 100, 100});
    nsCOMPtr<Widget> child = Widget::createChild(*top, {0, 0, 10, 10});
    frameWindow = top->frameWindowId();
    childWindow = child->nativeWindowId();
    EXPECT_EQ(LiveObjects::count(), liveBefore + 2);
  }
  EXPECT_TRUE(gone(frameWindow));
  EXPECT_TRUE(gone(childWindow));
}

}  // namespace
