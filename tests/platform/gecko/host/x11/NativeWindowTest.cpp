// Native windows as a second, independent connection sees them, right after each call.
#include <gtest/gtest.h>

#include <memory>

#include "NativeWindow.h"
#include "XConnection.h"
#include "XErrorLog.h"
#include "XObserver.h"

using geckohost::x11::NativeWindow;
using geckohost::x11::XConnection;
using geckohost::x11::XErrorLog;
using testsupport::ClassHint;
using testsupport::ScreenRect;
using testsupport::XObserver;

namespace {

class NativeWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(observer.connected());
    connection = XConnection::open(nullptr);
    ASSERT_TRUE(connection);
    windowsBefore = observer.descendantCount(observer.root());
    errorsBefore = XErrorLog::count();
  }
  void TearDown() override {
    if (!observer.connected())
      return;
    connection.reset();
    EXPECT_EQ(observer.descendantCount(observer.root()), windowsBefore) << "X windows leaked";
  }

  XObserver observer;
  std::unique_ptr<XConnection> connection;
  int windowsBefore = 0;
  long errorsBefore = 0;
};

TEST_F(NativeWindowTest, EveryChangeIsVisibleToAnotherConnectionAtOnce) {
  auto window = std::make_unique<NativeWindow>(*connection, connection->rootWindow(),
                                               nsIntRect(10, 20, 200, 100));
  unsigned long id = window->id();
  EXPECT_EQ(observer.parentOf(id), observer.root());
  EXPECT_EQ(observer.relativeRect(id), (ScreenRect{10, 20, 200, 100}));
  EXPECT_FALSE(observer.isMapped(id));
  EXPECT_FALSE(observer.classHint(id).has_value());
  EXPECT_FALSE(observer.overrideRedirect(id));

  window->show();
  EXPECT_TRUE(observer.isViewable(id));
  EXPECT_TRUE(window->isShown());

  window->setClassHint("Navigator", "Firefox");
  EXPECT_EQ(observer.classHint(id), (ClassHint{"Navigator", "Firefox"}));

  // WM_NAME is Latin-1: the u-umlaut survives, the en dash does not.
  window->setTitle(
      "\xC3\x9C"
      "ber \xE2\x80\x93 Seite");
  EXPECT_EQ(observer.title(id),
            "\xDC"
            "ber ? Seite");
  EXPECT_EQ(observer.utf8Title(id),
            "\xC3\x9C"
            "ber \xE2\x80\x93 Seite");

  window->setBounds({30, 40, 320, 240});
  EXPECT_EQ(observer.relativeRect(id), (ScreenRect{30, 40, 320, 240}));
  window->move(5, 6);
  EXPECT_EQ(observer.relativeRect(id), (ScreenRect{5, 6, 320, 240}));
  window->resize(64, 48);
  EXPECT_EQ(observer.relativeRect(id), (ScreenRect{5, 6, 64, 48}));
  EXPECT_EQ(window->bounds(), nsIntRect(5, 6, 64, 48));

  window->hide();
  EXPECT_FALSE(observer.isMapped(id));

  window.reset();
  EXPECT_EQ(XErrorLog::count(), errorsBefore);
  EXPECT_FALSE(observer.exists(id));  // the observer's own BadWindow, logged and survived
}

TEST_F(NativeWindowTest, ChildrenPopupsAndOwners) {
  NativeWindow owner(*connection, connection->rootWindow(), {100, 50, 400, 300});
  NativeWindow child(*connection, owner.id(), {7, 9, 50, 60});
  owner.show();
  child.show();
  EXPECT_EQ(observer.parentOf(child.id()), owner.id());
  EXPECT_EQ(observer.screenRect(child.id()), (ScreenRect{107, 59, 50, 60}));
  EXPECT_EQ(observer.childrenOf(owner.id()), std::vector<unsigned long>{child.id()});

  // An empty size is legal for a widget but not for X: the server gets 1x1, we keep 0.
  NativeWindow empty(*connection, owner.id(), {0, 0, 0, 0});
  EXPECT_EQ(empty.bounds(), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(observer.relativeRect(empty.id()), (ScreenRect{0, 0, 1, 1}));

  NativeWindow popup(*connection, connection->rootWindow(), {300, 200, 120, 80},
                     NativeWindow::Placement::OverrideRedirect);
  EXPECT_TRUE(observer.overrideRedirect(popup.id()));
  popup.setTransientFor(owner.id());
  EXPECT_EQ(observer.transientFor(popup.id()), owner.id());
  EXPECT_EQ(observer.transientFor(owner.id()), 0u);
  EXPECT_EQ(XErrorLog::count(), errorsBefore);
}

TEST_F(NativeWindowTest, XErrorsAreLoggedAndTheProcessCarriesOn) {
  unsigned long gone;
  {
    NativeWindow vanished(*connection, connection->rootWindow(), {0, 0, 10, 10});
    gone = vanished.id();
  }
  // A window made inside one that no longer exists: BadWindow, which Xlib's default handler
  // would turn into exit(1).
  {
    NativeWindow orphan(*connection, gone, {0, 0, 10, 10});
    EXPECT_GT(XErrorLog::count(), errorsBefore);
    EXPECT_EQ(XErrorLog::lastErrorCode(), 3);  // BadWindow
    EXPECT_EQ(XErrorLog::lastResourceId(), gone);
  }
  // The connection still works afterwards.
  NativeWindow after(*connection, connection->rootWindow(), {1, 2, 3, 4});
  EXPECT_TRUE(observer.exists(after.id()));
}

}  // namespace
