// Document shells through Gecko's interfaces: the tree of chrome, tab and frame shells, the
// content viewer chain, loading, history, busy flags and zoom.
#include "HostFixture.h"
#include "nsIContentViewer.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMWindowUtils.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocShellTreeNode.h"
#include "nsIDocument.h"
#include "nsIDocumentViewer.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIPresShell.h"
#include "nsIScriptGlobalObject.h"
#include "nsIWebNavigation.h"
#include "nsIXULWindow.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using geckohost::LoadMode;

namespace {

class DocShellTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    page("http://test/frames.html",
         "<title>Frames</title><frameset cols='50%,50%'><frame name=left src='left.html'>"
         "<frame name=right src='nested.html'></frameset>");
    page("http://test/left.html", "<title>Left</title>");
    page("http://test/nested.html", "<iframe src='left.html' name=inner></iframe>");
    for (const char* name : {"a", "b", "c", "home"}) {
      page(std::string("http://test/") + name + ".html",
           std::string("<title>") + name + "</title>");
    }
  }

  static nsCOMPtr<nsIDocShell> shellOf(nsIDOMWindow* window) { return do_GetInterface(window); }

  static std::string titleOf(nsIDOMDocument* document) {
    nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(document);
    nsString title;
    if (html)
      html->GetTitle(title);
    return utf8(title);
  }

  static std::string readyStateOf(nsIDOMDocument* document) {
    nsCOMPtr<nsIDOMNSDocument> ns = do_QueryInterface(document);
    nsString state;
    if (ns)
      ns->GetReadyState(state);
    return utf8(state);
  }

  // The document's window as the product finds it: its script global object (the inner window).
  static nsCOMPtr<nsIDOMWindow> pageWindowOf(nsIDOMDocument* document) {
    nsCOMPtr<nsIDocument> gecko = do_QueryInterface(document);
    nsIScriptGlobalObject* global = gecko ? gecko->GetScriptGlobalObject() : nullptr;
    nsCOMPtr<nsIDOMWindow> window = do_QueryInterface(global);
    return window;
  }

  static PRUint32 busyFlagsOf(nsIDocShell* shell) {
    PRUint32 flags = 0xffff;
    shell->GetBusyFlags(&flags);
    return flags;
  }
};

TEST_F(DocShellTest, ChromeTabAndFrameShellsFormOneTree) {
  BrowserWindowOptions options;
  options.urls = {"http://test/frames.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);

  nsCOMPtr<nsIDocShell> chrome;
  browser.xulWindow()->GetDocShell(getter_AddRefs(chrome));
  nsCOMPtr<nsIDocShellTreeItem> chromeItem = do_QueryInterface(chrome);
  nsCOMPtr<nsIDocShellTreeItem> tab = do_QueryInterface(shellOf(browser.domWindow(0)));
  nsCOMPtr<nsIDocShellTreeNode> tabNode = do_QueryInterface(tab);
  ASSERT_TRUE(chromeItem && tab && tabNode);

  PRInt32 type = -1;
  chromeItem->GetItemType(&type);
  EXPECT_EQ(type, nsIDocShellTreeItem::typeChrome);
  tab->GetItemType(&type);
  EXPECT_EQ(type, nsIDocShellTreeItem::typeContent);

  // A tab's shell hangs below the chrome, but is the top of its own type.
  nsCOMPtr<nsIDocShellTreeItem> item;
  tab->GetParent(getter_AddRefs(item));
  EXPECT_EQ(item, chromeItem);
  tab->GetSameTypeParent(getter_AddRefs(item));
  EXPECT_FALSE(item);
  tab->GetRootTreeItem(getter_AddRefs(item));
  EXPECT_EQ(item, chromeItem);
  tab->GetSameTypeRootTreeItem(getter_AddRefs(item));
  EXPECT_EQ(item, tab);

  // Frames are child shells in document order, named after their elements.
  PRInt32 count = 0;
  tabNode->GetChildCount(&count);
  ASSERT_EQ(count, 2);
  nsCOMPtr<nsIDocShellTreeItem> left, right;
  tabNode->GetChildAt(0, getter_AddRefs(left));
  tabNode->GetChildAt(1, getter_AddRefs(right));
  EXPECT_EQ(tabNode->GetChildAt(2, getter_AddRefs(item)), NS_ERROR_INVALID_ARG);
  PRBool named = PR_FALSE;
  left->NameEquals(reinterpret_cast<const PRUnichar*>(u"left"), &named);
  EXPECT_TRUE(named);
  left->GetSameTypeParent(getter_AddRefs(item));
  EXPECT_EQ(item, tab);
  EXPECT_EQ(titleOf(browser.document(0, {0})), "Left");
  nsCOMPtr<nsIDocShellTreeNode> rightNode = do_QueryInterface(right);
  rightNode->GetChildCount(&count);
  EXPECT_EQ(count, 1);  // the iframe of nested.html
  nsCOMPtr<nsIDocShellTreeItem> inner;
  rightNode->GetChildAt(0, getter_AddRefs(inner));
  inner->GetSameTypeRootTreeItem(getter_AddRefs(item));
  EXPECT_EQ(item, tab);
  tabNode->FindChildWithName(reinterpret_cast<const PRUnichar*>(u"inner"), PR_TRUE, PR_TRUE,
                             nullptr, nullptr, getter_AddRefs(item));
  EXPECT_EQ(item, inner);

  // The shell's viewer shows the document that its window shows.
  nsCOMPtr<nsIDocShell> tabShell = do_QueryInterface(tab);
  nsCOMPtr<nsIContentViewer> viewer;
  tabShell->GetContentViewer(getter_AddRefs(viewer));
  nsCOMPtr<nsIDOMDocument> shown;
  viewer->GetDOMDocument(getter_AddRefs(shown));
  EXPECT_EQ(shown, browser.document(0));
  nsCOMPtr<nsIDocumentViewer> documentViewer = do_QueryInterface(viewer);
  ASSERT_TRUE(documentViewer);
  nsCOMPtr<nsIPresShell> fromViewer, fromShell;
  documentViewer->GetPresShell(getter_AddRefs(fromViewer));
  tabShell->GetPresShell(getter_AddRefs(fromShell));
  EXPECT_EQ(fromViewer, fromShell);
  EXPECT_EQ(fromShell->GetPrimaryFrameFor(nullptr), nullptr);
  nsCOMPtr<nsISupports> container;
  viewer->GetContainer(getter_AddRefs(container));
  nsCOMPtr<nsISupports> tabIdentity = do_QueryInterface(tab);
  EXPECT_EQ(container, tabIdentity);

  // A frame's document names the page as its parent; the page of a tab has none.
  nsCOMPtr<nsIDocument> page = do_QueryInterface(browser.document(0));
  nsCOMPtr<nsIDocument> frame = do_QueryInterface(browser.document(0, {0}));
  nsCOMPtr<nsIDocument> innermost = do_QueryInterface(browser.document(0, {1, 0}));
  nsCOMPtr<nsIDocument> nested = do_QueryInterface(browser.document(0, {1}));
  ASSERT_TRUE(page && frame && innermost && nested);
  EXPECT_EQ(frame->GetParentDocument(), page.get());
  EXPECT_EQ(innermost->GetParentDocument(), nested.get());
  EXPECT_EQ(page->GetParentDocument(), nullptr);
  nsCOMPtr<nsISupports> frameContainer = frame->GetContainer();
  nsCOMPtr<nsISupports> leftIdentity = do_QueryInterface(left);
  EXPECT_EQ(frameContainer, leftIdentity);
}

// As in Gecko, a frame does not load a page one of its ancestors shows, nor nest past a depth:
// such frames stay blank instead of recursing without end.
TEST_F(DocShellTest, FramesThatWouldRecurseStayBlank) {
  page("http://test/self.html", "<title>Self</title><iframe src='self.html#again'></iframe>");
  page("http://test/ping.html", "<title>Ping</title><iframe src='pong.html'></iframe>");
  page("http://test/pong.html", "<title>Pong</title><iframe src='ping.html'></iframe>");
  for (int level = 0; level < 12; ++level) {
    page("http://test/level" + std::to_string(level) + ".html",
         "<title>" + std::to_string(level) + "</title><iframe src='level" +
             std::to_string(level + 1) + ".html'></iframe>");
  }
  BrowserWindowOptions options;
  options.urls = {"http://test/self.html", "http://test/ping.html", "http://test/level0.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);

  EXPECT_EQ(titleOf(browser.document(0)), "Self");
  ASSERT_TRUE(browser.document(0, {0}));
  EXPECT_EQ(titleOf(browser.document(0, {0})), "");  // about:blank
  EXPECT_FALSE(browser.document(0, {0, 0}));

  EXPECT_EQ(titleOf(browser.document(1, {0})), "Pong");
  EXPECT_EQ(titleOf(browser.document(1, {0, 0})), "");
  EXPECT_FALSE(browser.document(1, {0, 0, 0}));

  // Ten frames below the top page load; the eleventh stays blank.
  std::vector<int> path(10, 0);
  EXPECT_EQ(titleOf(browser.document(2, path)), "10");
  path.push_back(0);
  EXPECT_EQ(titleOf(browser.document(2, path)), "");
  path.push_back(0);
  EXPECT_FALSE(browser.document(2, path));
}

TEST_F(DocShellTest, LoadingHistoryAndHome) {
  BrowserWindowOptions options;
  options.urls = {"http://test/a.html"};
  options.homePage = "http://test/home.html";
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIWebNavigation> navigation = do_GetInterface(browser.domWindow(0));
  ASSERT_TRUE(navigation);

  EXPECT_EQ(navigation->GoBack(), NS_ERROR_UNEXPECTED);  // nothing behind the first page
  ASSERT_EQ(navigation->LoadURI(reinterpret_cast<const PRUnichar*>(u"http://test/b.html"), 0,
                                nullptr, nullptr, nullptr),
            NS_OK);
  browser.loadUrl("http://test/c.html");
  EXPECT_EQ(titleOf(browser.document(0)), "c");
  PRBool can = PR_FALSE;
  navigation->GetCanGoBack(&can);
  EXPECT_TRUE(can);

  // The product goes back through the page's own window.
  nsCOMPtr<nsIDOMWindowInternal> internal = do_QueryInterface(pageWindowOf(browser.document(0)));
  ASSERT_TRUE(internal);
  EXPECT_EQ(internal->Back(), NS_OK);
  EXPECT_EQ(titleOf(browser.document(0)), "b");
  EXPECT_TRUE(browser.canGoForward());
  EXPECT_TRUE(browser.back());
  EXPECT_EQ(browser.currentUrl(0), "http://test/a.html");
  EXPECT_FALSE(browser.back());
  EXPECT_TRUE(browser.forward());
  EXPECT_EQ(titleOf(browser.document(0)), "b");

  // A new load drops what lay ahead; Home loads the home page as a new entry.
  nsCOMPtr<nsIDOMWindowInternal> window = do_QueryInterface(browser.domWindow(0));
  EXPECT_EQ(window->Home(), NS_OK);
  EXPECT_EQ(titleOf(browser.document(0)), "home");
  navigation->GetCanGoForward(&can);
  EXPECT_FALSE(can);
  EXPECT_TRUE(browser.back());
  EXPECT_EQ(titleOf(browser.document(0)), "b");

  // Unknown pages load as an error page; typed addresses get a scheme.
  navigation->LoadURI(reinterpret_cast<const PRUnichar*>(u"test/nowhere.html"), 0, nullptr, nullptr,
                      nullptr);
  EXPECT_EQ(browser.currentUrl(0), "http://test/nowhere.html");
  EXPECT_EQ(titleOf(browser.document(0)), "Problem loading page");
}

TEST_F(DocShellTest, HeldLoadsAreBusyUntilCompleted) {
  BrowserWindowOptions options;
  options.urls = {"http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIDocShell> shell = shellOf(browser.domWindow(0));
  EXPECT_EQ(busyFlagsOf(shell), nsIDocShell::BUSY_FLAGS_NONE);
  EXPECT_EQ(readyStateOf(browser.document(0)), "complete");

  browser.loadUrl("http://test/frames.html", LoadMode::Held);
  EXPECT_TRUE(browser.isLoading(0));
  EXPECT_EQ(busyFlagsOf(shell),
            nsIDocShell::BUSY_FLAGS_BUSY | nsIDocShell::BUSY_FLAGS_PAGE_LOADING);
  EXPECT_EQ(readyStateOf(browser.document(0)), "loading");
  EXPECT_EQ(titleOf(browser.document(0)), "Frames");

  browser.completeLoad(0);
  EXPECT_EQ(busyFlagsOf(shell), nsIDocShell::BUSY_FLAGS_NONE);
  EXPECT_EQ(readyStateOf(browser.document(0)), "complete");

  // Stop ends a held load as it stands.
  browser.loadUrl("http://test/b.html", LoadMode::Held);
  nsCOMPtr<nsIWebNavigation> navigation = do_QueryInterface(shell);
  navigation->Stop(0);
  EXPECT_FALSE(browser.isLoading(0));
  EXPECT_EQ(readyStateOf(browser.document(0)), "complete");

  // A dialog opened while loading is busy too.
  geckohost::DialogOptions dialogOptions;
  dialogOptions.mode = LoadMode::Held;
  geckohost::DialogWindow& dialog = host->openDialog(browser, dialogOptions);
  nsCOMPtr<nsIDocShell> dialogShell;
  dialog.xulWindow()->GetDocShell(getter_AddRefs(dialogShell));
  EXPECT_NE(busyFlagsOf(dialogShell), nsIDocShell::BUSY_FLAGS_NONE);
  dialog.completeLoad();
  EXPECT_EQ(busyFlagsOf(dialogShell), nsIDocShell::BUSY_FLAGS_NONE);
}

TEST_F(DocShellTest, ZoomBelongsToTheTabAndItsFrames) {
  BrowserWindowOptions options;
  options.urls = {"http://test/frames.html", "http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  auto zoomOf = [](nsIDOMWindow* window) {
    nsCOMPtr<nsIDOMWindowUtils> utils = do_GetInterface(window);
    float zoom = -1;
    if (utils)
      utils->GetScreenPixelsPerCSSPixel(&zoom);
    return zoom;
  };
  EXPECT_FLOAT_EQ(zoomOf(browser.domWindow(0)), 1.0f);
  browser.setZoom(0, 1.1f);
  EXPECT_FLOAT_EQ(zoomOf(browser.domWindow(0)), 1.1f);
  EXPECT_FLOAT_EQ(zoomOf(browser.domWindow(0, {1, 0})), 1.1f);
  EXPECT_FLOAT_EQ(zoomOf(browser.domWindow(1)), 1.0f);
  // The inner window of the page answers as its outer window does.
  nsCOMPtr<nsIDOMWindow> inner = pageWindowOf(browser.document(0));
  ASSERT_TRUE(inner);
  EXPECT_NE(inner, browser.domWindow(0));
  EXPECT_FLOAT_EQ(zoomOf(inner), 1.1f);
  // The zoom stays with the tab across loads.
  browser.loadUrl("http://test/b.html");
  EXPECT_FLOAT_EQ(zoomOf(browser.domWindow(0)), 1.1f);
}

// A window keeps one nsIDOMWindowUtils, as Gecko's windows do; a caller that holds it past its
// window gets NS_ERROR_NOT_AVAILABLE rather than keeping the window alive.
TEST_F(DocShellTest, WindowUtilsBelongToTheirWindow) {
  BrowserWindowOptions options;
  options.urls = {"http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIDOMWindowUtils> first = do_GetInterface(browser.domWindow(0));
  nsCOMPtr<nsIDOMWindowUtils> second = do_GetInterface(browser.domWindow(0));
  ASSERT_TRUE(first);
  EXPECT_EQ(first, second);
  PRUint16 mode = 0;
  EXPECT_EQ(first->SetImageAnimationMode(1), NS_OK);  // kept with the window's utils
  second->GetImageAnimationMode(&mode);
  EXPECT_EQ(mode, 1);

  host->closeWindow(browser);
  float zoom = -1;
  EXPECT_EQ(first->GetScreenPixelsPerCSSPixel(&zoom), NS_ERROR_NOT_AVAILABLE);
  PRInt32 x = 0, y = 0;
  EXPECT_EQ(first->GetScrollXY(PR_FALSE, &x, &y), NS_ERROR_NOT_AVAILABLE);
}

}  // namespace
