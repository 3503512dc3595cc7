// The test object of one browser window: the top-level XUL window that shows web pages in
// tabs. It answers window-level properties, finds the document of the selected tab through
// the focus, hit-tests its toolbars before the page, and navigates.
#ifndef NATIVE_HTML_GECKO_NSHTMLBROWSER_H
#define NATIVE_HTML_GECKO_NSHTMLBROWSER_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"
#include "nsCOMPtr.h"
#include "nsIDOMWindow.h"
#include "nsIDocShell.h"
#include "nsIXULWindow.h"
#include "nsRect.h"

class CNSHtmlDocument;
class nsIDOMNode;
class nsIWidget;

class CNSHtmlBrowser final : public CHtmlRefCounted<CNSHtmlBrowser, IHtmlBrowser> {
 public:
  // Ready-state codes of the readyState property.
  enum ReadyState { UNINITIALIZED = 0, LOADING = 1, LOADED = 2, INTERACTIVE = 3, COMPLETE = 4 };

  // For a window of the mediator's list: keeps both, then finds the focused content shell.
  CNSHtmlBrowser(nsCOMPtr<nsIDOMWindow> domWindow, nsCOMPtr<nsIXULWindow> xulWindow);
  // For a window known only as a XUL window: its own document shell and DOM window.
  explicit CNSHtmlBrowser(nsCOMPtr<nsIXULWindow> xulWindow);
  ~CNSHtmlBrowser();

  // The window as a XUL window; null when it is none.
  static nsCOMPtr<nsIXULWindow> getBrowserWindow(nsISupports* window);
  // False for every handle: the agent recognises browser windows through the lookup.
  static bool isBrowserWindow(long windowHandle);
  // The root element of the document that `shell` shows; null at any missing step.
  static nsCOMPtr<nsIDOMNode> getDOMNodeFromDocShell(nsIDocShell* shell);
  // Screen pixels per CSS pixel of the window (1.0 at normal size); -1 when unknown.
  static float getZoomFactor(nsCOMPtr<nsIDOMWindow> window);

  // IHtmlElement
  IHtmlEnumerator* getChildren() override;
  IHtmlElement* getTopParent() override { return nullptr; }
  IHtmlElement* getParent() override { return nullptr; }
  IHtmlPropertyValue* getProperty(const char* canonicalName) override;
  IHtmlPropertyValue* getProperty(unsigned int propertyId) override;
  bool isPointInObject(int x, int y) override { return true; }
  IHtmlElement* getChildAtPoint(int x, int y) override;
  long long getObject() override;
  IHtmlEnumerator* getProperties() override;
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override { return false; }
  bool scrollIntoView() override { return false; }

  // IHtmlTopLevelElement
  IHtmlElement* getOwner() override { return nullptr; }

  // IHtmlBrowser
  bool isValid() override { return m_xulWindow != nullptr; }
  bool executeCommand(BrowserCommand command) override;
  bool loadUrl(const char* url, const char* target) override;
  int deleteCookies(char* message) override;
  int deleteCookies(const char* url, bool partial, char* message) override;
  IHtmlElement* getElementWithFocus() override;

  // Whether the focused content shell was found.
  bool isValidBrowserObject() { return m_docShell != nullptr; }

  // The top document of the focused window's frame tree (the selected tab's page).
  bool getDocument(CHtmlObjectPtr<CNSHtmlDocument>& document);
  // The root widget of the focused content shell (not referenced for the caller).
  nsIWidget* getWidget();
  // The window handle of the browser window; 0 when it cannot be found.
  long getWindow();
  // The window-manager frame of the browser window on the screen; all zero on failure.
  nsRect getScreenRect();
  int getReadyState();
  // The tab strip: from the top of the tab container down to the content area.
  nsRect getMultiTabSwitchRect();

  static void ReportError(const char* message, unsigned int line);
  static void reportException(unsigned int line);

 private:
  bool runCommand(BrowserCommand command);
  // Takes the focused window of the chrome document's command dispatcher and sets
  // m_docShell from it; false (and m_docShell untouched) when there is none.
  bool refreshDocShellFromFocus();
  // The content rectangle on the screen: the document widget's client bounds moved there.
  bool getContentScreenRect(CNSHtmlDocument& document, nsIntRect& rect);
  IHtmlPropertyValue* getClientRect();
  IHtmlPropertyValue* getStatusText();

  nsCOMPtr<nsIXULWindow> m_xulWindow;
  nsCOMPtr<nsIDocShell> m_docShell;
  nsCOMPtr<nsIDOMWindow> m_domWindow;
};

#endif
