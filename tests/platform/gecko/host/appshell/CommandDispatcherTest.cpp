// The focused window as the product reads it: the chrome document's command dispatcher
// answers the page of the selected tab, or the frame of it that took the focus, remembered
// per tab.
#include "HostFixture.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMWindow.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIXULWindow.h"
#include "nsPIDOMWindow.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

class CommandDispatcherTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    page("http://test/frames.html",
         "<frameset cols='50%,50%'><frame name=left src='left.html'>"
         "<frame name=right id=right src='right.html'></frameset>");
    page("http://test/left.html", "<input id=field>");
    page("http://test/right.html", "<p id=text>right</p>");
    page("http://test/plain.html", "<p>plain</p>");
  }

  // What the product does: chrome window, its XUL document, the dispatcher, its window.
  nsCOMPtr<nsIDOMWindow> focusedWindow(BrowserWindow& browser) {
    nsCOMPtr<nsIDocShell> chromeShell;
    browser.xulWindow()->GetDocShell(getter_AddRefs(chromeShell));
    nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(chromeShell);
    nsCOMPtr<nsIDOMDocument> chromeDocument;
    if (chromeWindow)
      chromeWindow->GetDocument(getter_AddRefs(chromeDocument));
    nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(chromeDocument);
    EXPECT_TRUE(xulDocument);
    nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
    if (xulDocument)
      xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
    EXPECT_TRUE(dispatcher);
    nsCOMPtr<nsIDOMWindow> focused;
    if (dispatcher)
      dispatcher->GetFocusedWindow(getter_AddRefs(focused));
    return focused;
  }

  nsCOMPtr<nsIDOMElement> focusedElement(BrowserWindow& browser) {
    nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(browser.chromeDocument());
    nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
    if (xulDocument)
      xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
    nsCOMPtr<nsIDOMElement> element;
    if (dispatcher)
      dispatcher->GetFocusedElement(getter_AddRefs(element));
    return element;
  }
};

TEST_F(CommandDispatcherTest, FocusFollowsTheSelectedTabAndItsFocusedFrame) {
  BrowserWindowOptions options;
  options.urls = {"http://test/frames.html", "http://test/plain.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);

  EXPECT_EQ(focusedWindow(browser), browser.domWindow(0));
  ASSERT_TRUE(browser.focusFrame({1}));
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(0, {1}));
  // The page's own focus is on the frame element that holds the focused frame.
  nsCOMPtr<nsIDOMNSDocument> frameset = do_QueryInterface(browser.document(0));
  nsCOMPtr<nsIDOMElement> active;
  frameset->GetActiveElement(getter_AddRefs(active));
  nsCOMPtr<nsIDOMElement> rightFrame = elementById(browser.document(0), "right");
  ASSERT_TRUE(rightFrame);
  EXPECT_EQ(active, rightFrame);

  // Another tab has its own focus; coming back finds the frame focused before.
  browser.selectTab(1);
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(1));
  browser.selectTab(0);
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(0, {1}));

  EXPECT_FALSE(browser.focusFrame({2}));
  EXPECT_FALSE(browser.focusFrame({0, 0}));

  // Focusing an element focuses the window of its document too.
  nsCOMPtr<nsIDOMElement> field = elementById(browser.document(0, {0}), "field");
  ASSERT_TRUE(field);
  ASSERT_TRUE(browser.focusElement(field));
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(0, {0}));
  EXPECT_EQ(focusedElement(browser), field);

  // The focused window's shell is the frame's, the one the product takes its document from.
  nsCOMPtr<nsPIDOMWindow> focused = do_QueryInterface(focusedWindow(browser));
  ASSERT_TRUE(focused);
  nsCOMPtr<nsIDocShell> frameShell = do_GetInterface(browser.domWindow(0, {0}));
  EXPECT_EQ(focused->GetDocShell(), frameShell.get());

  // When the page is replaced its frames go, and the focus returns to the tab.
  browser.loadUrl("http://test/plain.html");
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(0));
  EXPECT_FALSE(focusedElement(browser));
}

TEST_F(CommandDispatcherTest, DialogsAreTheirOwnFocusedWindow) {
  BrowserWindow& browser = host->openBrowserWindow();
  geckohost::DialogWindow& dialog = host->openDialog(browser);
  nsCOMPtr<nsIDocShell> dialogShell;
  dialog.xulWindow()->GetDocShell(getter_AddRefs(dialogShell));
  nsCOMPtr<nsIDOMWindow> dialogWindow = do_GetInterface(dialogShell);
  nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(dialog.document());
  ASSERT_TRUE(xulDocument);
  nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
  xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
  ASSERT_TRUE(dispatcher);
  nsCOMPtr<nsIDOMWindow> focused;
  dispatcher->GetFocusedWindow(getter_AddRefs(focused));
  EXPECT_EQ(focused, dialogWindow);
}

}  // namespace

TEST_F(CommandDispatcherTest, TheChromeCanHoldTheFocusAndTheFocusCanBeCleared) {
  BrowserWindowOptions options;
  options.urls = {"http://test/plain.html", "http://test/plain.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIDocShell> chromeShell;
  browser.xulWindow()->GetDocShell(getter_AddRefs(chromeShell));
  nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(chromeShell);

  // The url bar takes the focus: the chrome window is the focused one.
  nsCOMPtr<nsIDOMElement> urlbar = elementById(browser.chromeDocument(), "urlbar");
  ASSERT_TRUE(urlbar);
  ASSERT_TRUE(browser.focusElement(urlbar));
  EXPECT_EQ(focusedWindow(browser), chromeWindow);
  EXPECT_EQ(focusedElement(browser), urlbar);

  // Selecting a tab gives the focus back to the content.
  browser.selectTab(1);
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(1));

  // A null focused window means no window has the focus.
  nsCOMPtr<nsIDOMXULDocument> xulDocument = do_QueryInterface(browser.chromeDocument());
  nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
  xulDocument->GetCommandDispatcher(getter_AddRefs(dispatcher));
  ASSERT_EQ(dispatcher->SetFocusedWindow(nullptr), NS_OK);
  EXPECT_FALSE(focusedWindow(browser));
  ASSERT_TRUE(browser.focusFrame({}));
  EXPECT_EQ(focusedWindow(browser), browser.domWindow(1));
}
