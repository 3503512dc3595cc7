// The product over the host's windows, as the agent meets it: the library loaded with dlopen,
// objects called by virtual-slot index, windows found by their X handle through the window
// mediator, the command dispatcher and the widget walk. (Dialogs come when the product has
// its dialog class.)
#include <gtest/gtest.h>

#include <string>

#include "HostFixture.h"
#include "ProductLibrary.h"
#include "SlotCall.h"

using slotcall::callSlot;
using slotcall::Rect4;

namespace {

// IHtmlDomain, IHtmlEnumerator, IHtmlElement and IHtmlPropertyValue slots.
const int kRelease = 1;
const int kGetTopLevelObject = 3;
const int kEnumBrowsers = 5;
const int kNextElement = 3;
const int kHasMoreElements = 4;
const int kGetPropertyById = 7;
const int kValueString = 4;
const int kValueLong = 7;
const int kValueRectangle = 11;
// Standard property ids.
const unsigned kClass = 5;
const unsigned kBounds = 14;
const unsigned kWindow = 45;

ProductLibrary& Library() {
  static ProductLibrary library;  // loaded once DISPLAY names the private server
  return library;
}

class HostWindowsTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    domain = Library().getHtmlDomain();
    ASSERT_TRUE(domain);
  }
  void TearDown() override {
    if (domain)
      callSlot<void>(domain, kRelease);
    HostFixture::TearDown();
  }

  static std::string classOf(void* object) {
    void* value = callSlot<void*>(object, kGetPropertyById, kClass);
    std::string text;
    if (!value)
      return text;
    for (const unsigned short* c = callSlot<const unsigned short*>(value, kValueString); c && *c;
         ++c) {
      text.push_back(static_cast<char>(*c));
    }
    callSlot<void>(value, kRelease);
    return text;
  }

  static long long longProperty(void* object, unsigned id) {
    void* value = callSlot<void*>(object, kGetPropertyById, id);
    if (!value)
      return -1;
    long long result = callSlot<long long>(value, kValueLong);
    callSlot<void>(value, kRelease);
    return result;
  }

  static Rect4 rectangleProperty(void* object, unsigned id) {
    void* value = callSlot<void*>(object, kGetPropertyById, id);
    if (!value)
      return Rect4{-1, -1, -1, -1};
    Rect4 result = callSlot<Rect4>(value, kValueRectangle);
    callSlot<void>(value, kRelease);
    return result;
  }

  void* domain = nullptr;
};

TEST_F(HostWindowsTest, TheProductFindsABrowserByItsHandle) {
  page("http://test/a.html", "<title>a</title><p>a</p>");
  geckohost::BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  options.urls = {"http://test/a.html", "http://test/a.html"};
  geckohost::BrowserWindow& browser = host->openBrowserWindow(options);

  void* found = callSlot<void*>(domain, kGetTopLevelObject, long(browser.topLevelWindow()));
  ASSERT_TRUE(found);
  EXPECT_EQ(classOf(found), "Html.HtmlBrowser");
  EXPECT_EQ(longProperty(found, kWindow), static_cast<long long>(browser.topLevelWindow()));
  Rect4 bounds = rectangleProperty(found, kBounds);  // the frame, decoration included
  EXPECT_EQ(bounds.x, 100);
  EXPECT_EQ(bounds.y, 80);
  EXPECT_EQ(bounds.width, 640);
  EXPECT_EQ(bounds.height, 480);
  callSlot<void>(found, kRelease);

  // Neither the frame nor the widget's own window is a handle of the product's.
  EXPECT_FALSE(callSlot<void*>(domain, kGetTopLevelObject, long(browser.widgetWindow())));
  EXPECT_FALSE(callSlot<void*>(domain, kGetTopLevelObject, long(browser.frameWindow())));

  geckohost::BrowserWindow& second = host->openBrowserWindow();
  void* windows = callSlot<void*>(domain, kEnumBrowsers);
  ASSERT_TRUE(windows);
  std::vector<long long> handles;
  while (callSlot<bool>(windows, kHasMoreElements)) {
    void* next = callSlot<void*>(windows, kNextElement);
    if (!next)
      continue;
    handles.push_back(longProperty(next, kWindow));
    callSlot<void>(next, kRelease);
  }
  callSlot<void>(windows, kRelease);
  EXPECT_EQ(handles, (std::vector<long long>{static_cast<long long>(browser.topLevelWindow()),
                                             static_cast<long long>(second.topLevelWindow())}));
}

}  // namespace
