// The browser's chrome children and its cookies as the agent meets them: toolbar buttons
// called by slot index, their state following navigation, and deleteCookies against the
// host's cookie service. Geometry follows docs/chrome.md: a window opened at
// (100, 80, 640, 480) has its top level at (104, 104) with W = 632 and H = 452.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AgentFixture.h"
#include "SlotCall.h"
#include "nsIDOMHTMLDocument.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using slotcall::callSlot;

namespace {

// Slots of the agent's element interface.
enum Slot {
  kGetChildren = 3,
  kGetTopParent = 4,
  kGetParent = 5,
  kGetPropertyByName = 6,
  kGetPropertyById = 7,
  kIsPointInObject = 8,
  kGetChildAtPoint = 9,
  kGetObject = 10,
  kGetNativeProperties = 12,
  kSetProperty = 13,
  kScrollIntoView = 14,
  kNextElement = 3,
  kHasMoreElements = 4,
};

const int kTopX = 104;
const int kTopY = 104;

class BrowserChromeTest : public AgentFixture {
 protected:
  void SetUp() override {
    AgentFixture::SetUp();
    page("http://test/a.html", "<title>A</title><p id=a>a</p>");
    page("http://test/b.html", "<title>B</title><p id=b>b</p>");
    page("http://shop.example.com/cart/list.html", "<p>cart</p>");
  }

  void TearDown() override {
    m_browser = nullptr;
    AgentFixture::TearDown();
  }

  IHtmlBrowser* open(std::vector<std::string> urls = {"http://test/a.html"},
                     std::string chromeUrl = "") {
    BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = std::move(urls);
    options.chromeUrl = std::move(chromeUrl);
    m_window = &host->openBrowserWindow(options);
    m_browser = browserFor(*m_window);
    return static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_browser));
  }

  // The .name of every child the browser's enumerator yields ("document" for the page),
  // walked by slot index.
  std::vector<std::string> childNames() {
    std::vector<std::string> names;
    void* children = callSlot<void*>(static_cast<IHtmlElement*>(m_browser), kGetChildren);
    while (callSlot<bool>(children, kHasMoreElements)) {
      void* child = callSlot<void*>(children, kNextElement);
      std::string cls = stringProperty(static_cast<IHtmlElement*>(child), ".class");
      names.push_back(cls == "Html.HtmlDocument"
                          ? "document"
                          : stringProperty(static_cast<IHtmlElement*>(child), ".name"));
      callSlot<void>(child, 1);
    }
    EXPECT_EQ(callSlot<void*>(children, kNextElement), nullptr);
    callSlot<void>(children, 1);
    return names;
  }

  // The toolbar object with that .name, found among the browser's children; the caller owns it.
  IHtmlElement* toolbarItem(const std::string& name) {
    CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
    while (children && children->hasMoreElements()) {
      IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
      if (child && stringProperty(child, ".name") == name)
        return child;
      if (child)
        child->release();
    }
    return nullptr;
  }

  bool disabled(const std::string& name) {
    CHtmlObjectPtr<IHtmlElement> item = toolbarItem(name);
    CHtmlObjectPtr<IHtmlPropertyValue> value = item ? item->getProperty(26u) : nullptr;
    EXPECT_TRUE(value && value->type() == 7) << name;
    return value && value->booleanValue();
  }

  std::string documentCookie() {
    nsCOMPtr<nsIDOMHTMLDocument> page = do_QueryInterface(m_window->document(0));
    nsString cookie;
    if (page)
      page->GetCookie(cookie);
    return NS_ConvertUTF16toUTF8(cookie).get();
  }

  void seed(const char* site, const char* path, const char* name, bool isDomain = false) {
    geckohost::Cookie cookie;
    cookie.host = site;
    cookie.path = path;
    cookie.name = name;
    cookie.value = std::string("v-") + name;
    cookie.isDomain = isDomain;
    host->addCookie(cookie);
  }

  std::vector<std::string> cookieNames() {
    std::vector<std::string> names;
    for (const geckohost::Cookie& cookie : host->cookies())
      names.push_back(cookie.name);
    return names;
  }

  BrowserWindow* m_window = nullptr;
  CHtmlObjectPtr<IHtmlTopLevelElement> m_browser;
};

}  // namespace

TEST_F(BrowserChromeTest, ChildrenComeInToolbarOrderWithTheDocumentLast) {
  ASSERT_TRUE(open());
  // The back/forward group's buttons first, then the rest of the navigation bar, the bookmark
  // items without the separator, the find bar's items, and the page.
  EXPECT_EQ(childNames(),
            (std::vector<std::string>{"back-button", "forward-button", "reload-button",
                                      "stop-button", "home-button", "urlbar-container",
                                      "bookmark-getting-started", "bookmark-latest-headlines",
                                      "bookmark-help", "find-closebutton", "find-field",
                                      "find-next", "find-previous", "highlight", "document"}));
  // hasMoreElements stays true after the last toolbar item until the document is taken.
  CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
  for (int i = 0; i < 14; ++i) {
    CHtmlObjectPtr<IHtmlObject> item = children->nextElement();
  }
  EXPECT_TRUE(children->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> document = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(stringProperty(document, ".class"), "Html.HtmlDocument");
  EXPECT_FALSE(children->hasMoreElements());
  EXPECT_EQ(children->nextElement(), nullptr);
}

TEST_F(BrowserChromeTest, AToolbarButtonAnswersBySlot) {
  ASSERT_TRUE(open());
  CHtmlObjectPtr<IHtmlElement> reload = toolbarItem("reload-button");
  ASSERT_TRUE(reload);
  void* raw = static_cast<IHtmlElement*>(reload);
  // Properties by id and by canonical name.
  IHtmlPropertyValue* name = callSlot<IHtmlPropertyValue*>(raw, kGetPropertyById, 3u);
  EXPECT_EQ(utf8(name->string()), "reload-button");
  name->release();
  EXPECT_EQ(stringProperty(reload, ".class"), "Html.HtmlBrowser.ToolbarButton");
  EXPECT_EQ(rectProperty(reload, ".bounds"), (HtmlRectangle{kTopX + 64, kTopY, 32, 32}));
  EXPECT_EQ(callSlot<void*>(raw, kGetPropertyByName, ".nosuch"), nullptr);
  for (unsigned int id : {1u, 2u, 4u, 10u, 27u, 45u}) {
    EXPECT_EQ(callSlot<void*>(raw, kGetPropertyById, id), nullptr) << id;
  }
  // Its identity: the element, sign-extended; uniqueId its low 32 bits in hex.
  long long identity = callSlot<long long>(raw, kGetObject);
  char digits[16];
  snprintf(digits, sizeof digits, "%08lx",
           static_cast<unsigned long>(static_cast<unsigned int>(identity)));
  EXPECT_EQ(stringProperty(reload, ".uniqueId"), digits);
  CHtmlObjectPtr<IHtmlElement> again = toolbarItem("reload-button");
  EXPECT_EQ(again->getObject(), identity);
  // Edges are inside, one past them is not.
  EXPECT_TRUE(callSlot<bool>(raw, kIsPointInObject, kTopX + 64, kTopY));
  EXPECT_TRUE(callSlot<bool>(raw, kIsPointInObject, kTopX + 96, kTopY + 32));
  EXPECT_FALSE(callSlot<bool>(raw, kIsPointInObject, kTopX + 97, kTopY + 10));
  EXPECT_FALSE(callSlot<bool>(raw, kIsPointInObject, kTopX + 70, kTopY + 33));
  // No children, no native properties, nothing to set or scroll.
  EXPECT_EQ(callSlot<void*>(raw, kGetChildren), nullptr);
  EXPECT_EQ(callSlot<void*>(raw, kGetChildAtPoint, kTopX + 70, kTopY + 10), nullptr);
  EXPECT_EQ(callSlot<void*>(raw, kGetNativeProperties), nullptr);
  EXPECT_FALSE(callSlot<bool>(raw, kSetProperty, ".name", static_cast<void*>(nullptr)));
  EXPECT_FALSE(callSlot<bool>(raw, kScrollIntoView));
  // Its parent and top parent are the browser.
  for (int slot : {kGetParent, kGetTopParent}) {
    IHtmlElement* parent = callSlot<IHtmlElement*>(raw, slot);
    ASSERT_TRUE(parent);
    EXPECT_EQ(stringProperty(parent, ".class"), "Html.HtmlBrowser");
    EXPECT_EQ(parent->getObject(), m_browser->getObject());
    parent->release();
  }
  // Hidden find-bar items have empty rectangles.
  CHtmlObjectPtr<IHtmlElement> next = toolbarItem("find-next");
  EXPECT_EQ(rectProperty(next, ".bounds"), (HtmlRectangle{0, 0, 0, 0}));
  m_window->setFindBarShown(true);
  EXPECT_EQ(rectProperty(next, ".bounds"), (HtmlRectangle{kTopX + 224, kTopY + 452 - 52, 60, 30}));
}

TEST_F(BrowserChromeTest, NavigationButtonsFollowHistoryAndLoading) {
  IHtmlBrowser* browser = open();
  ASSERT_TRUE(browser);
  EXPECT_TRUE(disabled("back-button"));
  EXPECT_TRUE(disabled("forward-button"));
  EXPECT_TRUE(disabled("stop-button"));
  EXPECT_FALSE(disabled("reload-button"));
  EXPECT_FALSE(disabled("home-button"));

  m_window->loadUrl("http://test/b.html", geckohost::LoadMode::Held);
  EXPECT_FALSE(disabled("back-button"));
  EXPECT_TRUE(disabled("forward-button"));
  EXPECT_FALSE(disabled("stop-button"));
  m_window->completeLoad(0);
  EXPECT_TRUE(disabled("stop-button"));

  // The agent's own back command moves history; the buttons follow.
  EXPECT_TRUE(browser->executeCommand(IHtmlBrowser::BrowserBack));
  EXPECT_TRUE(disabled("back-button"));
  EXPECT_FALSE(disabled("forward-button"));
  EXPECT_TRUE(browser->executeCommand(IHtmlBrowser::BrowserForward));
  EXPECT_FALSE(disabled("back-button"));
  EXPECT_TRUE(disabled("forward-button"));
  // The agent has no reload command; nothing moves.
  EXPECT_FALSE(browser->executeCommand(IHtmlBrowser::BrowserRefresh));
  EXPECT_FALSE(disabled("back-button"));
  EXPECT_TRUE(disabled("forward-button"));

  // A second tab has a history of its own; selecting it shows its state.
  int second = m_window->addTab("http://test/a.html");
  ASSERT_TRUE(m_window->selectTab(second));
  EXPECT_TRUE(disabled("back-button"));
  ASSERT_TRUE(m_window->selectTab(0));
  EXPECT_FALSE(disabled("back-button"));
}

TEST_F(BrowserChromeTest, TheBrowserHitTestsItsToolbarButtonsBeforeThePage) {
  IHtmlBrowser* browser = open();
  ASSERT_TRUE(browser);
  CHtmlObjectPtr<IHtmlElement> back = browser->getChildAtPoint(kTopX + 5, kTopY + 5);
  EXPECT_EQ(stringProperty(back, ".name"), "back-button");
  CHtmlObjectPtr<IHtmlElement> bookmark = browser->getChildAtPoint(kTopX + 300, kTopY + 40);
  EXPECT_EQ(stringProperty(bookmark, ".name"), "bookmark-help");
  // The separator between bookmarks is no child: the point falls through to nothing there.
  CHtmlObjectPtr<IHtmlElement> separator = browser->getChildAtPoint(kTopX + 252, kTopY + 40);
  EXPECT_TRUE(!separator ||
              stringProperty(separator, ".class") != "Html.HtmlBrowser.ToolbarButton");
  CHtmlObjectPtr<IHtmlElement> page = browser->getChildAtPoint(kTopX + 20, kTopY + 100);
  EXPECT_EQ(stringProperty(page, ".tag"), "P");
}

TEST_F(BrowserChromeTest, AWindowWithoutABookmarksToolbarContributesNoBookmarks) {
  host->pages().put(
      "http://test/plain.xul",
      "<window xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul'>"
      "<toolbox><toolbar id='nav-bar' height='32'><toolbarbutton id='home-button'/>"
      "</toolbar></toolbox><tabbrowser id='content' flex='1'><tabs id='tabbrowser-tabs'/>"
      "<tabpanels id='tabbrowser-panels' flex='1'/></tabbrowser></window>",
      "application/vnd.mozilla.xul+xml");
  ASSERT_TRUE(open({"http://test/a.html"}, "http://test/plain.xul"));
  EXPECT_EQ(childNames(), (std::vector<std::string>{"home-button", "document"}));
}

TEST_F(BrowserChromeTest, CookiesOfASiteAreDeletedOnePassEach) {
  IHtmlBrowser* browser = open({"http://shop.example.com/cart/list.html"});
  ASSERT_TRUE(browser);
  seed("shop.example.com", "/", "a");
  seed("shop.example.com", "/cart", "b");
  seed("SHOP.example.com", "/", "c");
  seed("www.example.com", "/", "d");
  seed(".example.com", "/", "e", true);
  EXPECT_EQ(documentCookie(), "b=v-b; a=v-a; c=v-c; e=v-e");
  EXPECT_EQ(documentCookie().find("d="), std::string::npos);

  // The exact host with "http://" and a trailing slash, compared without regard to case:
  // three cookies, three passes, and the buffer is left alone.
  char message[256] = "untouched";
  EXPECT_EQ(browser->deleteCookies("http://shop.example.com/", false, message), 0);
  EXPECT_STREQ(message, "untouched");
  EXPECT_EQ(cookieNames(), (std::vector<std::string>{"d", "e"}));
  // The page reads the store as it is now.
  EXPECT_EQ(documentCookie(), "e=v-e");

  // Without partial matching the parent domain does not match a subdomain's cookie.
  EXPECT_EQ(browser->deleteCookies("example.com", false, message), 1);
  EXPECT_STREQ(message, "Cookie Not Found: example.com");
  EXPECT_EQ(cookieNames(), (std::vector<std::string>{"d", "e"}));
  // With it, every cookie whose host contains the name goes.
  strcpy(message, "untouched");
  EXPECT_EQ(browser->deleteCookies("example.com", true, message), 0);
  EXPECT_STREQ(message, "untouched");
  EXPECT_TRUE(cookieNames().empty());
}

TEST_F(BrowserChromeTest, CookiesMatchByHostAndPathAndDeleteAllEmptiesTheStore) {
  IHtmlBrowser* browser = open();
  ASSERT_TRUE(browser);
  seed("test", "/docs", "p");
  seed("test", "/", "q");
  char message[256] = "untouched";
  // Host and path joined, exactly or as part of it.
  EXPECT_EQ(browser->deleteCookies("http://test/docs", false, message), 0);
  EXPECT_EQ(cookieNames(), (std::vector<std::string>{"q"}));
  seed("test", "/docs", "p");
  EXPECT_EQ(browser->deleteCookies("test/do", true, message), 0);
  EXPECT_EQ(cookieNames(), (std::vector<std::string>{"q"}));
  EXPECT_EQ(browser->deleteCookies("http://other/", false, message), 1);
  EXPECT_STREQ(message, "Cookie Not Found: http://other/");
  EXPECT_EQ(cookieNames(), (std::vector<std::string>{"q"}));

  strcpy(message, "untouched");
  seed("elsewhere.org", "/", "r");
  EXPECT_EQ(browser->deleteCookies(message), 0);
  EXPECT_TRUE(cookieNames().empty());
  // An empty store: still success, nothing written.
  EXPECT_EQ(browser->deleteCookies(message), 0);
  EXPECT_STREQ(message, "untouched");
}
