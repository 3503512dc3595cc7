// Browser windows and dialogs as the product finds them: three X windows deep with their
// window-manager properties, listed by the window mediator in the order they were opened, and
// reached from the XUL window down to the widget that the window handle is computed from.
#include <cstdint>

#include "HostFixture.h"
#include "XULBoxes.h"
#include "nsIBaseWindow.h"
#include "nsIBoxObject.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIPresShell.h"
#include "nsISimpleEnumerator.h"
#include "nsIViewManager.h"
#include "nsIWidget.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using geckohost::DialogOptions;
using geckohost::DialogWindow;
using testsupport::ClassHint;
using testsupport::ScreenRect;

namespace {

class XULWindowTest : public HostFixture {
 protected:
  static nsIntRect screenBoxOf(nsIDOMElement* element) { return testsupport::ScreenBoxOf(element); }

  // The XUL windows of the mediator's enumeration, in its order.
  std::vector<nsCOMPtr<nsIXULWindow>> mediatorWindows(const PRUnichar* type = nullptr) {
    std::vector<nsCOMPtr<nsIXULWindow>> windows;
    nsCOMPtr<nsIWindowMediator> mediator = do_GetService("@mozilla.org/appshell/window-mediator;1");
    EXPECT_TRUE(mediator);
    if (!mediator)
      return windows;
    nsCOMPtr<nsISimpleEnumerator> enumerator;
    EXPECT_EQ(mediator->GetXULWindowEnumerator(type, getter_AddRefs(enumerator)), NS_OK);
    PRBool more = PR_FALSE;
    while (NS_SUCCEEDED(enumerator->HasMoreElements(&more)) && more) {
      nsCOMPtr<nsISupports> next;
      enumerator->GetNext(getter_AddRefs(next));
      windows.push_back(do_QueryInterface(next));
    }
    return windows;
  }

  // The product's walk from an X window up to the nearest one with WM_CLASS.
  unsigned long handleFrom(unsigned long window) {
    while (window && !observer.classHint(window)) {
      unsigned long parent = observer.parentOf(window);
      if (parent == observer.root())
        break;
      window = parent;
    }
    return window;
  }
};

TEST_F(XULWindowTest, BrowserAndDialogAreThreeWindowsDeepWithTheirHints) {
  BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  BrowserWindow& browser = host->openBrowserWindow(options);
  DialogOptions dialogOptions;
  dialogOptions.x = 300;
  dialogOptions.y = 250;
  dialogOptions.width = 360;
  dialogOptions.height = 200;
  DialogWindow& dialog = host->openDialog(browser, dialogOptions);

  for (auto [frame, topLevel, widget] :
       {std::tuple{browser.frameWindow(), browser.topLevelWindow(), browser.widgetWindow()},
        std::tuple{dialog.frameWindow(), dialog.topLevelWindow(), dialog.widgetWindow()}}) {
    EXPECT_EQ(observer.parentOf(frame), observer.root());
    EXPECT_EQ(observer.parentOf(topLevel), frame);
    EXPECT_EQ(observer.parentOf(widget), topLevel);
    EXPECT_FALSE(observer.classHint(frame).has_value());
    EXPECT_FALSE(observer.classHint(widget).has_value());
    EXPECT_TRUE(observer.isViewable(widget));
    EXPECT_EQ(handleFrom(widget), topLevel);
  }
  EXPECT_EQ(observer.classHint(browser.topLevelWindow()), (ClassHint{"Navigator", "Firefox"}));
  EXPECT_EQ(observer.classHint(dialog.topLevelWindow()), (ClassHint{"Dialog", "Firefox"}));
  EXPECT_EQ(observer.transientFor(dialog.topLevelWindow()), browser.topLevelWindow());
  EXPECT_EQ(observer.transientFor(browser.topLevelWindow()), 0u);

  EXPECT_EQ(observer.screenRect(browser.frameWindow()), (ScreenRect{100, 80, 640, 480}));
  EXPECT_EQ(observer.screenRect(browser.widgetWindow()), (ScreenRect{104, 104, 632, 452}));
  EXPECT_EQ(observer.screenRect(dialog.widgetWindow()), (ScreenRect{304, 274, 352, 172}));
  // The content area of the only tab (docs/chrome.md).
  unsigned long content = browser.contentWidgetWindow(0);
  EXPECT_EQ(observer.parentOf(content), browser.widgetWindow());
  EXPECT_EQ(observer.screenRect(content), (ScreenRect{104, 188, 632, 346}));
  EXPECT_TRUE(observer.isViewable(content));
  EXPECT_EQ(observer.title(dialog.topLevelWindow()), "Confirm");
  EXPECT_EQ(dialog.title(), "Confirm");

  browser.moveTo(10, 20);
  EXPECT_EQ(observer.screenRect(browser.frameWindow()), (ScreenRect{10, 20, 640, 480}));
  EXPECT_EQ(observer.screenRect(content), (ScreenRect{14, 128, 632, 346}));
  browser.resizeTo(500, 400);
  EXPECT_EQ(observer.screenRect(content), (ScreenRect{14, 128, 492, 266}));

  unsigned long frame = browser.frameWindow();
  host->closeWindow(browser);  // takes its dialog along
  EXPECT_EQ(host->dialogCount(), 0u);
  EXPECT_EQ(host->browserWindowCount(), 0u);
  EXPECT_FALSE(observer.exists(frame));
}

TEST_F(XULWindowTest, MediatorListsWindowsInTheOrderOpened) {
  BrowserWindow& first = host->openBrowserWindow();
  DialogWindow& dialog = host->openDialog(first);
  BrowserWindow& second = host->openBrowserWindow();
  {
    auto windows = mediatorWindows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0], first.xulWindow());
    EXPECT_EQ(windows[1], dialog.xulWindow());
    EXPECT_EQ(windows[2], second.xulWindow());

    std::u16string browserType = u"navigator:browser";
    auto browsers = mediatorWindows(reinterpret_cast<const PRUnichar*>(browserType.c_str()));
    ASSERT_EQ(browsers.size(), 2u);
    EXPECT_EQ(browsers[1], second.xulWindow());

    // The most recent browser is the last one made active, as a DOM window of its chrome.
    nsCOMPtr<nsIWindowMediator> mediator = do_GetService("@mozilla.org/appshell/window-mediator;1");
    first.activate();
    nsCOMPtr<nsIDOMWindowInternal> recent;
    mediator->GetMostRecentWindow(reinterpret_cast<const PRUnichar*>(browserType.c_str()),
                                  getter_AddRefs(recent));
    nsCOMPtr<nsIDocShell> firstShell;
    first.xulWindow()->GetDocShell(getter_AddRefs(firstShell));
    nsCOMPtr<nsIDOMWindowInternal> firstChrome = do_GetInterface(firstShell);
    ASSERT_TRUE(recent);
    EXPECT_EQ(recent, firstChrome);
  }
  // A window held by someone keeps answering after it closed, but leaves the list at once.
  nsCOMPtr<nsIXULWindow> held = dialog.xulWindow();
  host->closeWindow(dialog);
  auto windows = mediatorWindows();
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_EQ(windows[1], second.xulWindow());
  nsCOMPtr<nsIDocShell> shell;
  EXPECT_EQ(held->GetDocShell(getter_AddRefs(shell)), NS_ERROR_FAILURE);
  EXPECT_FALSE(shell);
}

TEST_F(XULWindowTest, FromTheXULWindowDownToTheWidgetOfTheWindowHandle) {
  page("http://test/a.html", "<title>First</title><p>a</p>");
  BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  options.urls = {"http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  {
    nsCOMPtr<nsIXULWindow> window = mediatorWindows().at(0);
    nsCOMPtr<nsIBaseWindow> base = do_QueryInterface(window);
    ASSERT_TRUE(base);
    nsCOMPtr<nsIWidget> mainWidget;
    base->GetMainWidget(getter_AddRefs(mainWidget));
    ASSERT_TRUE(mainWidget);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(mainWidget->GetNativeData(8)), browser.widgetWindow());
    nsIntRect bounds;
    mainWidget->GetBounds(bounds);
    EXPECT_EQ(bounds, nsIntRect(104, 104, 632, 452));
    PRUnichar* title = nullptr;
    base->GetTitle(&title);
    EXPECT_EQ(std::string(NS_ConvertUTF16toUTF8(title).get()), "First - Mozilla Firefox");
    nsMemory::Free(title);
    EXPECT_EQ(observer.title(browser.topLevelWindow()), "First - Mozilla Firefox");

    // The selected tab's shell, its presentation shell, view manager and widget, then up.
    nsCOMPtr<nsIDocShellTreeItem> primary;
    window->GetPrimaryContentShell(getter_AddRefs(primary));
    nsCOMPtr<nsIDocShell> content = do_QueryInterface(primary);
    ASSERT_TRUE(content);
    nsCOMPtr<nsIPresShell> presShell;
    content->GetPresShell(getter_AddRefs(presShell));
    ASSERT_TRUE(presShell);
    nsCOMPtr<nsIWidget> widget;
    presShell->GetViewManager()->GetWidget(getter_AddRefs(widget));
    ASSERT_TRUE(widget);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(widget->GetNativeData(0)),
              browser.contentWidgetWindow(0));
    widget->GetBounds(bounds);
    EXPECT_EQ(bounds, nsIntRect(0, 84, 632, 346));
    widget->GetClientBounds(bounds);
    EXPECT_EQ(bounds, nsIntRect(0, 0, 632, 346));
    widget->GetScreenBounds(bounds);
    EXPECT_EQ(bounds, nsIntRect(104, 188, 632, 346));
    EXPECT_EQ(widget->WidgetToScreenOffset(), nsIntPoint(104, 188));
    EXPECT_EQ(widget->GetParent(), mainWidget.get());
    EXPECT_EQ(mainWidget->GetParent(), nullptr);
  }
}

TEST_F(XULWindowTest, ChromeBoxesFollowTheDocumentedGeometry) {
  BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  options.urls = {"about:blank", "about:blank"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  const int X = 104, Y = 104, W = 632, H = 452;  // the top level on the screen
  auto screenBox = [&](const char* id) {
    return screenBoxOf(elementById(browser.chromeDocument(), id));
  };
  EXPECT_EQ(screenBox("back-button"), nsIntRect(X, Y, 32, 32));
  EXPECT_EQ(screenBox("home-button"), nsIntRect(X + 128, Y, 32, 32));
  EXPECT_EQ(screenBox("bookmark-help"), nsIntRect(X + 256, Y + 32, 60, 26));
  EXPECT_EQ(screenBox("content"), nsIntRect(X, Y + 58, W, H - 80));
  EXPECT_EQ(screenBox("tab-1"), nsIntRect(X + 150, Y + 58, 150, 26));
  EXPECT_EQ(screenBox("FindToolbar"), nsIntRect(0, 0, 0, 0));

  // Showing the find bar shrinks every tab's content area; only the selected tab shows.
  browser.setFindBarShown(true);
  EXPECT_EQ(screenBox("FindToolbar"), nsIntRect(X, Y + H - 52, W, 30));
  EXPECT_EQ(observer.screenRect(browser.contentWidgetWindow(1)),
            (ScreenRect{X, Y + 84, W, H - 136}));
  EXPECT_TRUE(observer.isViewable(browser.contentWidgetWindow(0)));
  EXPECT_FALSE(observer.isViewable(browser.contentWidgetWindow(1)));
  browser.selectTab(1);
  EXPECT_FALSE(observer.isViewable(browser.contentWidgetWindow(0)));
  EXPECT_TRUE(observer.isViewable(browser.contentWidgetWindow(1)));
}

TEST_F(XULWindowTest, DialogBoxesIncludeTheGeneratedButtons) {
  BrowserWindow& browser = host->openBrowserWindow();
  DialogOptions options;
  options.x = 300;
  options.y = 250;
  options.width = 360;
  options.height = 200;
  options.title = "Delete";
  options.message = "Delete the file?";
  options.checkboxLabel = "Do not ask again";
  DialogWindow& dialog = host->openDialog(browser, options);
  const int X = 304, Y = 274, W = 352, H = 172;  // the top level on the screen
  nsCOMPtr<nsIDOMDocument> document = dialog.document();
  EXPECT_EQ(screenBoxOf(elementById(document, "checkbox")), nsIntRect(X, Y + 36, W, 22));
  EXPECT_EQ(dialog.title(), "Delete");
  EXPECT_EQ(observer.title(dialog.topLevelWindow()), "Delete");

  // The button box is the dialog's generated content, laid out below its own children.
  nsCOMPtr<nsIDOMElement> root;
  document->GetDocumentElement(getter_AddRefs(root));
  nsCOMPtr<nsIDOMDocumentXBL> xbl = do_QueryInterface(document);
  ASSERT_TRUE(xbl);
  nsCOMPtr<nsIDOMNodeList> generated;
  xbl->GetAnonymousNodes(root, getter_AddRefs(generated));
  ASSERT_TRUE(generated);
  nsCOMPtr<nsIDOMNode> buttonBox;
  generated->Item(0, getter_AddRefs(buttonBox));
  nsCOMPtr<nsIDOMElement> buttonBoxElement = do_QueryInterface(buttonBox);
  EXPECT_EQ(screenBoxOf(buttonBoxElement), nsIntRect(X, Y + H - 26, W, 26));
  nsCOMPtr<nsIDOMNodeList> buttons;
  buttonBoxElement->GetElementsByTagName(NS_ConvertUTF8toUTF16("button"), getter_AddRefs(buttons));
  nsCOMPtr<nsIDOMNode> accept, cancel;
  buttons->Item(1, getter_AddRefs(accept));  // after the hidden extra button
  buttons->Item(2, getter_AddRefs(cancel));
  nsCOMPtr<nsIDOMElement> acceptElement = do_QueryInterface(accept);
  nsCOMPtr<nsIDOMElement> cancelElement = do_QueryInterface(cancel);
  EXPECT_EQ(screenBoxOf(acceptElement), nsIntRect(X + W - 160, Y + H - 26, 80, 26));
  EXPECT_EQ(screenBoxOf(cancelElement), nsIntRect(X + W - 80, Y + H - 26, 80, 26));
}

TEST_F(XULWindowTest, XULFramesOfADialogGetShellsOfTheirOwn) {
  host->pages().put(
      "http://test/dialog.xul",
      "<dialog xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul' "
      "title='With a page'><iframe id='page' src='http://test/inner.html' flex='1'/></dialog>",
      "application/vnd.mozilla.xul+xml");
  page("http://test/inner.html", "<title>inner</title>");
  BrowserWindow& browser = host->openBrowserWindow();
  DialogOptions options;
  options.chromeUrl = "http://test/dialog.xul";
  DialogWindow& dialog = host->openDialog(browser, options);
  EXPECT_EQ(dialog.title(), "With a page");

  nsCOMPtr<nsIDocShell> chrome;
  dialog.xulWindow()->GetDocShell(getter_AddRefs(chrome));
  nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(chrome);
  nsCOMPtr<nsIDOMWindowCollection> frames;
  chromeWindow->GetFrames(getter_AddRefs(frames));
  PRUint32 length = 0;
  frames->GetLength(&length);
  ASSERT_EQ(length, 1u);
  nsCOMPtr<nsIDOMWindow> inner;
  frames->Item(0, getter_AddRefs(inner));
  nsCOMPtr<nsIDOMDocument> innerDocument;
  inner->GetDocument(getter_AddRefs(innerDocument));
  nsCOMPtr<nsIDOMElement> innerRoot;
  ASSERT_TRUE(innerDocument);
  innerDocument->GetDocumentElement(getter_AddRefs(innerRoot));
  nsString tag;
  innerRoot->GetTagName(tag);
  EXPECT_EQ(utf8(tag), "HTML");

  // The frame's widget fills the dialog, as its box does.
  nsCOMPtr<nsIDocShell> frameShell = do_GetInterface(inner);
  nsCOMPtr<nsIBaseWindow> frameBase = do_QueryInterface(frameShell);
  nsCOMPtr<nsIWidget> frameWidget;
  frameBase->GetMainWidget(getter_AddRefs(frameWidget));
  ASSERT_TRUE(frameWidget);
  nsIntRect bounds;
  frameWidget->GetScreenBounds(bounds);
  EXPECT_EQ(bounds, nsIntRect(204, 174, 352, 172));
  EXPECT_EQ(observer.parentOf(reinterpret_cast<uintptr_t>(frameWidget->GetNativeData(0))),
            dialog.widgetWindow());
}

}  // namespace

// The window finds a chrome element's box through an index of the chrome's layout: elements
// added to the chrome or taken out of it must be seen at once.
TEST_F(XULWindowTest, ChromeBoxesFollowElementsAddedAndRemoved) {
  BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  BrowserWindow& browser = host->openBrowserWindow(options);
  const int X = 104, Y = 104;
  nsCOMPtr<nsIDOMDocument> chrome = browser.chromeDocument();
  nsCOMPtr<nsIDOMElement> home = elementById(chrome, "home-button");
  ASSERT_TRUE(home);
  EXPECT_EQ(screenBoxOf(home), nsIntRect(X + 128, Y, 32, 32));

  nsCOMPtr<nsIDOMElement> added;
  chrome->CreateElementNS(
      NS_LITERAL_STRING("http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul"),
      NS_LITERAL_STRING("toolbarbutton"), getter_AddRefs(added));
  ASSERT_TRUE(added);
  EXPECT_EQ(screenBoxOf(added), nsIntRect(0, 0, 0, 0));  // not in the chrome yet
  nsCOMPtr<nsIDOMNode> bar;
  home->GetParentNode(getter_AddRefs(bar));
  nsCOMPtr<nsIDOMNode> result;
  ASSERT_EQ(bar->InsertBefore(added, home, getter_AddRefs(result)), NS_OK);
  EXPECT_EQ(screenBoxOf(added), nsIntRect(X + 128, Y, 32, 32));
  EXPECT_EQ(screenBoxOf(home), nsIntRect(X + 160, Y, 32, 32));

  ASSERT_EQ(bar->RemoveChild(added, getter_AddRefs(result)), NS_OK);
  EXPECT_EQ(screenBoxOf(added), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(screenBoxOf(home), nsIntRect(X + 128, Y, 32, 32));
}
