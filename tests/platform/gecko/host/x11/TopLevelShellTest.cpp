// The frame and top-level windows that stand in for a window manager's reparenting.
#include <gtest/gtest.h>

#include <memory>

#include "TopLevelShell.h"
#include "XConnection.h"
#include "XErrorLog.h"
#include "XObserver.h"

using geckohost::x11::TopLevelShell;
using geckohost::x11::XConnection;
using geckohost::x11::XErrorLog;
using testsupport::ScreenRect;
using testsupport::XObserver;

namespace {

TEST(TopLevelShellTest, ClientRectangleIsTheFrameLessItsDecoration) {
  EXPECT_EQ(TopLevelShell::clientFromOuter({100, 80, 640, 480}), nsIntRect(104, 104, 632, 452));
  EXPECT_EQ(TopLevelShell::clientFromOuter({-10, 0, 8, 20}), nsIntRect(-6, 24, 0, 0));
}

TEST(TopLevelShellTest, FrameHoldsTheTopLevelWhichTheRootDoesNot) {
  XObserver observer;
  ASSERT_TRUE(observer.connected());
  int windowsBefore = observer.descendantCount(observer.root());
  long errorsBefore = XErrorLog::count();
  {
    auto connection = XConnection::open(nullptr);
    ASSERT_TRUE(connection);
    TopLevelShell shell(*connection, {100, 80, 640, 480});
    EXPECT_EQ(observer.parentOf(shell.frameId()), observer.root());
    EXPECT_EQ(observer.parentOf(shell.topLevelId()), shell.frameId());
    EXPECT_EQ(observer.screenRect(shell.frameId()), (ScreenRect{100, 80, 640, 480}));
    EXPECT_EQ(observer.screenRect(shell.topLevelId()), (ScreenRect{104, 104, 632, 452}));
    EXPECT_FALSE(observer.isViewable(shell.topLevelId()));

    shell.show();
    EXPECT_TRUE(observer.isViewable(shell.frameId()));
    EXPECT_TRUE(observer.isViewable(shell.topLevelId()));

    shell.topLevel().setClassHint("Dialog", "Firefox");
    EXPECT_TRUE(observer.classHint(shell.topLevelId()).has_value());
    EXPECT_FALSE(observer.classHint(shell.frameId()).has_value());

    shell.setOuterBounds({0, 0, 300, 200});
    EXPECT_EQ(observer.screenRect(shell.frameId()), (ScreenRect{0, 0, 300, 200}));
    EXPECT_EQ(observer.screenRect(shell.topLevelId()), (ScreenRect{4, 24, 292, 172}));
    EXPECT_EQ(shell.clientBounds(), nsIntRect(4, 24, 292, 172));

    shell.hide();
    EXPECT_FALSE(observer.isViewable(shell.topLevelId()));
  }
  EXPECT_EQ(observer.descendantCount(observer.root()), windowsBefore);
  EXPECT_EQ(XErrorLog::count(), errorsBefore);
}

}  // namespace
