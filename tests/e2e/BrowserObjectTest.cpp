// The browser object as the agent meets it: found by X handle through the product loaded with
// dlopen, over browser windows of the host on the private X server. Geometry follows
// docs/chrome.md: a window opened at (100, 80, 640, 480) has its top level at (104, 104) with
// W = 632 and H = 452, and its content area at screen (104, 188, 632, 346).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AgentFixture.h"
#include "SlotCall.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

class BrowserObjectTest : public AgentFixture {
 protected:
  void SetUp() override {
    AgentFixture::SetUp();
    page("http://test/a.html", "<title>A</title><p id=a>a</p>");
    page("http://test/b.html", "<title>B</title><p id=b>b</p>");
    page("http://test/home.html", "<title>Home</title><p>home</p>");
  }

  BrowserWindow& openAt100x80(std::vector<std::string> urls = {"http://test/a.html"}) {
    BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = std::move(urls);
    options.homePage = "http://test/home.html";
    return host->openBrowserWindow(options);
  }

  nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher(BrowserWindow& window) {
    nsCOMPtr<nsIDOMXULDocument> chrome = do_QueryInterface(window.chromeDocument());
    nsCOMPtr<nsIDOMXULCommandDispatcher> result;
    if (chrome)
      chrome->GetCommandDispatcher(getter_AddRefs(result));
    return result;
  }
};

TEST_F(BrowserObjectTest, FoundByHandleWithItsClassWindowAndBounds) {
  BrowserWindow& window = openAt100x80();
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = browserFor(window);
  ASSERT_TRUE(browser);
  EXPECT_EQ(stringProperty(browser, ".class"), "Html.HtmlBrowser");
  CHtmlObjectPtr<IHtmlPropertyValue> handle = browser->getProperty(45u);
  ASSERT_TRUE(handle);
  EXPECT_EQ(handle->type(), 2);
  EXPECT_EQ(handle->longValue(), static_cast<long long>(window.topLevelWindow()));
  // The bounds are the window manager's frame: where the window was opened, its whole size.
  EXPECT_EQ(rectProperty(browser, ".bounds"), (HtmlRectangle{100, 80, 640, 480}));
  EXPECT_EQ(stringProperty(browser, ".documentName"), "http://test/a.html");
  EXPECT_EQ(intProperty(browser, ".readyState"), 4);
  EXPECT_EQ(browser->getProperty(4u), nullptr);   // title
  EXPECT_EQ(browser->getProperty(76u), nullptr);  // ajaxTraceOn
  EXPECT_TRUE(browser->isPointInObject(-5000, 99999));
  EXPECT_EQ(browser->getParent(), nullptr);
  EXPECT_EQ(browser->getOwner(), nullptr);

  // uniqueId: the low 32 bits of the identity, eight hexadecimal digits.
  std::string unique = stringProperty(browser, ".uniqueId");
  char expected[16];
  snprintf(expected, sizeof expected, "%08lx",
           static_cast<unsigned long>(static_cast<unsigned int>(browser->getObject())));
  EXPECT_EQ(unique, expected);

  // Handles of no top-level object: the frame, the widget's own window, a made-up one.
  EXPECT_EQ(domain->getTopLevelObject(static_cast<long>(window.frameWindow())), nullptr);
  EXPECT_EQ(domain->getTopLevelObject(static_cast<long>(window.widgetWindow())), nullptr);
  EXPECT_EQ(domain->getTopLevelObject(0x7fffff0L), nullptr);
  EXPECT_FALSE(domain->isBrowserWindow(static_cast<long>(window.topLevelWindow())));
}

TEST_F(BrowserObjectTest, EnumeratesEveryBrowserWindowInCreationOrder) {
  BrowserWindow& first = openAt100x80();
  BrowserWindowOptions options;
  options.urls = {"http://test/b.html"};
  BrowserWindow& second = host->openBrowserWindow(options);
  CHtmlObjectPtr<IHtmlEnumerator> windows = domain->enumBrowsers();
  std::vector<long long> handles;
  while (windows->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> next = static_cast<IHtmlElement*>(windows->nextElement());
    ASSERT_TRUE(next);
    CHtmlObjectPtr<IHtmlPropertyValue> handle = next->getProperty(45u);
    handles.push_back(handle->longValue());
    EXPECT_EQ(stringProperty(next, ".documentName"),
              handles.size() == 1 ? "http://test/a.html" : "http://test/b.html");
  }
  EXPECT_EQ(handles, (std::vector<long long>{static_cast<long long>(first.topLevelWindow()),
                                             static_cast<long long>(second.topLevelWindow())}));
}

TEST_F(BrowserObjectTest, ZoomValueIsAPercentage) {
  BrowserWindow& window = openAt100x80();
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = browserFor(window);
  EXPECT_EQ(intProperty(browser, ".zoomValue"), 100);
  window.setZoom(0, 1.5f);
  EXPECT_EQ(intProperty(browser, ".zoomValue"), 150);
  window.setZoom(0, 1.1f);
  EXPECT_EQ(intProperty(browser, ".zoomValue"), 110);
  EXPECT_EQ(browser->getProperty(".zoomvalue"), nullptr);
}

TEST_F(BrowserObjectTest, CommandsMoveTheSessionHistoryAndLoadUrlLoads) {
  BrowserWindow& window = openAt100x80();
  CHtmlObjectPtr<IHtmlTopLevelElement> found = browserFor(window);
  IHtmlBrowser* browser = static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(found));
  EXPECT_TRUE(browser->isValid());
  ASSERT_TRUE(browser->loadUrl("http://test/b.html", "_self"));
  EXPECT_EQ(window.currentUrl(0), "http://test/b.html");
  EXPECT_EQ(stringProperty(browser, ".documentName"), "http://test/b.html");
  EXPECT_FALSE(browser->loadUrl(nullptr, nullptr));

  EXPECT_TRUE(browser->executeCommand(IHtmlBrowser::BrowserBack));
  EXPECT_EQ(window.currentUrl(0), "http://test/a.html");
  EXPECT_TRUE(browser->executeCommand(IHtmlBrowser::BrowserForward));
  EXPECT_EQ(window.currentUrl(0), "http://test/b.html");
  EXPECT_TRUE(browser->executeCommand(IHtmlBrowser::BrowserHome));
  EXPECT_EQ(window.currentUrl(0), "http://test/home.html");
  // Command 2 is refused and changes nothing; so is any unknown value.
  EXPECT_FALSE(browser->executeCommand(IHtmlBrowser::BrowserRefresh));
  EXPECT_FALSE(browser->executeCommand(static_cast<IHtmlBrowser::BrowserCommand>(9)));
  EXPECT_EQ(window.currentUrl(0), "http://test/home.html");
  // Forward with nothing ahead fails.
  EXPECT_FALSE(browser->executeCommand(IHtmlBrowser::BrowserForward));
}

TEST_F(BrowserObjectTest, StatusClientRectAndTabStripFromTheHostsGeometry) {
  BrowserWindow& window = openAt100x80({"http://test/a.html", "http://test/b.html"});
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = browserFor(window);
  EXPECT_EQ(stringProperty(browser, ".statusText"), "");
  window.setStatusText("Done");
  EXPECT_EQ(stringProperty(browser, ".statusText"), "Done");
  EXPECT_EQ(rectProperty(browser, ".clientRect"), (HtmlRectangle{104, 188, 632, 346}));

  // The tab strip is measured from the focused window's shell: zero while a page has the
  // focus, the strip above the content area while the chrome (the url bar) has it.
  EXPECT_EQ(rectProperty(browser, ".multiTabBounds"), (HtmlRectangle{0, 0, 0, 0}));
  nsCOMPtr<nsIDOMElement> urlbar = elementById(window.chromeDocument(), "urlbar");
  ASSERT_TRUE(window.focusElement(urlbar));
  EXPECT_EQ(rectProperty(browser, ".multiTabBounds"), (HtmlRectangle{104, 162, 632, 26}));
  // The page found from the chrome is the first tab's.
  EXPECT_EQ(stringProperty(browser, ".documentName"), "http://test/a.html");
}

TEST_F(BrowserObjectTest, TheDocumentFollowsTheSelectedTabAndHeldLoadsAreLoading) {
  BrowserWindow& window = openAt100x80({"http://test/a.html", "http://test/b.html"});
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = browserFor(window);
  EXPECT_EQ(stringProperty(browser, ".documentName"), "http://test/a.html");
  window.selectTab(1);
  EXPECT_EQ(stringProperty(browser, ".documentName"), "http://test/b.html");
  window.loadUrl("http://test/home.html", geckohost::LoadMode::Held);
  EXPECT_EQ(intProperty(browser, ".readyState"), 1);
  window.completeLoad(1);
  EXPECT_EQ(intProperty(browser, ".readyState"), 4);
}

TEST_F(BrowserObjectTest, AWindowWithoutAFocusedWindowIsPassedOver) {
  BrowserWindow& window = openAt100x80();
  CHtmlObjectPtr<IHtmlTopLevelElement> before = browserFor(window);
  ASSERT_TRUE(before);
  ASSERT_EQ(dispatcher(window)->SetFocusedWindow(nullptr), NS_OK);
  // The lookup cannot make a browser object of it, and the enumeration yields null for it.
  EXPECT_EQ(browserFor(window), nullptr);
  CHtmlObjectPtr<IHtmlEnumerator> windows = domain->enumBrowsers();
  ASSERT_TRUE(windows->hasMoreElements());
  EXPECT_EQ(windows->nextElement(), nullptr);
  EXPECT_FALSE(windows->hasMoreElements());
  // An object made while the focus was there keeps the shell it found.
  EXPECT_EQ(stringProperty(before, ".documentName"), "http://test/a.html");
}

TEST_F(BrowserObjectTest, PropertyValueAndPropertySlotsThroughTheLibrary) {
  BrowserWindow& window = openAt100x80();
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = browserFor(window);
  // A string value (".class"): slots 3 type, 4 string, 9 stringLength, 10 element, 13 object.
  CHtmlObjectPtr<IHtmlPropertyValue> text = browser->getProperty(5u);
  void* raw = static_cast<IHtmlPropertyValue*>(text);
  using slotcall::callSlot;
  EXPECT_EQ(callSlot<int>(raw, 2), 1);
  EXPECT_EQ(callSlot<int>(raw, 3), 3);
  EXPECT_EQ(utf8(callSlot<const unsigned short*>(raw, 4)), "Html.HtmlBrowser");
  EXPECT_EQ(callSlot<int>(raw, 9), 16);
  EXPECT_EQ(callSlot<void*>(raw, 10), nullptr);
  EXPECT_EQ(callSlot<void*>(raw, 13), nullptr);
  // A rectangle (".bounds", slot 11), a 64-bit integer (".window", slot 7), an integer
  // (".readyState", slots 5 and 6).
  CHtmlObjectPtr<IHtmlPropertyValue> bounds = browser->getProperty(14u);
  slotcall::Rect4 r = callSlot<slotcall::Rect4>(static_cast<IHtmlPropertyValue*>(bounds), 11);
  EXPECT_EQ(r.x, 100);
  EXPECT_EQ(r.height, 480);
  CHtmlObjectPtr<IHtmlPropertyValue> handle = browser->getProperty(45u);
  EXPECT_EQ(callSlot<long long>(static_cast<IHtmlPropertyValue*>(handle), 7),
            static_cast<long long>(window.topLevelWindow()));
  CHtmlObjectPtr<IHtmlPropertyValue> state = browser->getProperty(57u);
  EXPECT_EQ(callSlot<int>(static_cast<IHtmlPropertyValue*>(state), 6), 4);
  EXPECT_EQ(callSlot<unsigned short>(static_cast<IHtmlPropertyValue*>(state), 5), 4);

  // A property from the enumeration: slot 3 its name, slot 4 its value, lent.
  CHtmlObjectPtr<IHtmlEnumerator> properties = browser->getProperties();
  ASSERT_TRUE(properties->hasMoreElements());
  CHtmlObjectPtr<IHtmlObject> first = properties->nextElement();
  void* property = static_cast<IHtmlObject*>(first);
  EXPECT_EQ(utf8(callSlot<const unsigned short*>(property, 3)), ".class");
  void* value = callSlot<void*>(property, 4);
  EXPECT_EQ(callSlot<int>(value, 2), 1);  // lent: the property holds the only reference
  EXPECT_EQ(utf8(callSlot<const unsigned short*>(value, 4)), "Html.HtmlBrowser");
}

}  // namespace
