// DOM windows: outer and inner, frames, parent and top, status text, and what a window held
// past its shell's end answers.
#include "HostFixture.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIDocument.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIScriptGlobalObject.h"
#include "nsPIDOMWindow.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

class DOMWindowTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    page("http://test/frames.html",
         "<frameset rows='1*,1*'><frame name=top src='a.html' id=first>"
         "<frame name=bottom src='b.html'></frameset>");
    page("http://test/a.html", "<title>a</title>");
    page("http://test/b.html", "<title>b</title>");
  }
};

TEST_F(DOMWindowTest, FramesParentsAndTheTopOfATab) {
  BrowserWindowOptions options;
  options.urls = {"http://test/frames.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIDOMWindow> page = browser.domWindow(0);
  ASSERT_TRUE(page);

  nsCOMPtr<nsIDOMWindowCollection> frames;
  ASSERT_EQ(page->GetFrames(getter_AddRefs(frames)), NS_OK);
  PRUint32 length = 0;
  frames->GetLength(&length);
  EXPECT_EQ(length, 2u);
  nsCOMPtr<nsIDOMWindow> first, second, named, none;
  frames->Item(0, getter_AddRefs(first));
  frames->Item(1, getter_AddRefs(second));
  frames->Item(2, getter_AddRefs(none));
  EXPECT_FALSE(none);
  EXPECT_EQ(first, browser.domWindow(0, {0}));
  frames->NamedItem(NS_ConvertUTF8toUTF16("bottom"), getter_AddRefs(named));
  EXPECT_EQ(named, second);
  nsString name;
  first->GetName(name);
  EXPECT_EQ(utf8(name), "top");

  // Parent and top stop at the tab: a page does not see the chrome above it.
  nsCOMPtr<nsIDOMWindow> parent, top;
  first->GetParent(getter_AddRefs(parent));
  first->GetTop(getter_AddRefs(top));
  EXPECT_EQ(parent, page);
  EXPECT_EQ(top, page);
  page->GetParent(getter_AddRefs(parent));
  EXPECT_EQ(parent, page);

  nsCOMPtr<nsIDOMWindowInternal> firstInternal = do_QueryInterface(first);
  nsCOMPtr<nsIDOMElement> frameElement;
  firstInternal->GetFrameElement(getter_AddRefs(frameElement));
  EXPECT_EQ(frameElement, elementById(browser.document(0), "first"));
  nsCOMPtr<nsIDOMWindowInternal> pageInternal = do_QueryInterface(page);
  pageInternal->GetFrameElement(getter_AddRefs(frameElement));
  EXPECT_FALSE(frameElement);
  PRUint32 count = 0;
  pageInternal->GetLength(&count);
  EXPECT_EQ(count, 2u);

  // Without layout nothing scrolls.
  PRInt32 scrollY = -1;
  page->GetScrollY(&scrollY);
  EXPECT_EQ(scrollY, 0);
}

TEST_F(DOMWindowTest, InnerAndOuterWindows) {
  BrowserWindowOptions options;
  options.urls = {"http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsPIDOMWindow> outer = do_QueryInterface(browser.domWindow(0));
  ASSERT_TRUE(outer);
  EXPECT_TRUE(outer->IsOuterWindow());
  nsCOMPtr<nsIDocShell> shell = do_GetInterface(browser.domWindow(0));
  EXPECT_EQ(outer->GetDocShell(), shell.get());

  nsCOMPtr<nsIDocument> document = do_QueryInterface(browser.document(0));
  ASSERT_TRUE(document);
  nsCOMPtr<nsPIDOMWindow> inner = do_QueryInterface(document->GetScriptGlobalObject());
  ASSERT_TRUE(inner);
  EXPECT_TRUE(inner->IsInnerWindow());
  EXPECT_EQ(inner->GetOuterWindow(), outer.get());
  EXPECT_EQ(outer->GetCurrentInnerWindow(), inner.get());
  EXPECT_EQ(inner->GetDocShell(), nullptr);
  EXPECT_EQ(document->GetWindow(), outer.get());
  nsCOMPtr<nsIDOMDocument> fromInner;
  inner->GetDocument(getter_AddRefs(fromInner));
  EXPECT_EQ(fromInner, browser.document(0));

  // A new page gets a new inner window; the outer window stays.
  browser.loadUrl("http://test/b.html");
  nsCOMPtr<nsIDocument> next = do_QueryInterface(browser.document(0));
  nsCOMPtr<nsPIDOMWindow> nextInner = do_QueryInterface(next->GetScriptGlobalObject());
  EXPECT_NE(nextInner, inner);
  EXPECT_EQ(nextInner->GetOuterWindow(), outer.get());
  EXPECT_EQ(browser.domWindow(0), nsCOMPtr<nsIDOMWindow>(do_QueryInterface(outer)));
  // The old inner window keeps its document but no longer reaches the shell.
  inner->GetDocument(getter_AddRefs(fromInner));
  EXPECT_EQ(fromInner, nsCOMPtr<nsIDOMDocument>(do_QueryInterface(document)));
  nsCOMPtr<nsIDOMWindowInternal> oldInternal = do_QueryInterface(inner);
  EXPECT_EQ(oldInternal->Back(), NS_ERROR_FAILURE);
}

TEST_F(DOMWindowTest, StatusTextIsTheWindowsStatusBar) {
  BrowserWindowOptions options;
  options.urls = {"http://test/frames.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  browser.setStatusText("Done \xE2\x80\x94 loaded");
  nsCOMPtr<nsIDOMWindowInternal> frame = do_QueryInterface(browser.domWindow(0, {1}));
  nsString status;
  frame->GetStatus(status);
  EXPECT_EQ(utf8(status), "Done \xE2\x80\x94 loaded");

  frame->SetStatus(NS_ConvertUTF8toUTF16("from the page"));
  EXPECT_EQ(browser.statusText(), "from the page");
  nsCOMPtr<nsIDOMElement> panel = elementById(browser.chromeDocument(), "statusbar-display");
  ASSERT_TRUE(panel);
  nsString label;
  panel->GetAttribute(NS_ConvertUTF8toUTF16("label"), label);
  EXPECT_EQ(utf8(label), "from the page");
}

TEST_F(DOMWindowTest, WindowsHeldPastTheirWindowAnswerClosed) {
  BrowserWindowOptions options;
  options.urls = {"http://test/a.html"};
  BrowserWindow& browser = host->openBrowserWindow(options);
  nsCOMPtr<nsIDOMWindowInternal> window = do_QueryInterface(browser.domWindow(0));
  PRBool closed = PR_TRUE;
  window->GetClosed(&closed);
  EXPECT_FALSE(closed);
  host->closeWindow(browser);
  window->GetClosed(&closed);
  EXPECT_TRUE(closed);
  EXPECT_EQ(window->Back(), NS_ERROR_FAILURE);
  nsCOMPtr<nsIDOMDocument> document;
  window->GetDocument(getter_AddRefs(document));
  EXPECT_FALSE(document);

  nsString encoded, decoded;
  window->Btoa(NS_ConvertUTF8toUTF16("geckohost"), encoded);
  EXPECT_EQ(utf8(encoded), "Z2Vja29ob3N0");
  window->Atob(encoded, decoded);
  EXPECT_EQ(utf8(decoded), "geckohost");
  EXPECT_EQ(window->Atob(NS_ConvertUTF8toUTF16("a"), decoded), NS_ERROR_INVALID_ARG);
}

}  // namespace
