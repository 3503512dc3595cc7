// A browser window opened by the host (Host::openBrowserWindow): its X windows, its tabs,
// loads, history, status text, zoom and focus, and its documents for tests. Every method
// returns with the X server synced.
//
//   BrowserWindowOptions options;
//   options.urls = {"http://test/a.html"};
//   BrowserWindow& window = host->openBrowserWindow(options);
//   window.loadUrl("http://test/b.html");
//   window.back();                        // a.html again
//   window.topLevelWindow()               // the X window with WM_CLASS Navigator/Firefox
#ifndef GECKOHOST_API_BROWSERWINDOW_H
#define GECKOHOST_API_BROWSERWINDOW_H

#include <string>
#include <vector>

#include "HostApi.h"
#include "nsCOMPtr.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMWindow.h"
#include "nsIXULWindow.h"

namespace geckohost {

class HostContext;
class XULWindow;

// How a load ends: at once, or held in "loading" (busy, readyState "loading") until
// completeLoad().
enum class LoadMode { Complete, Held };

struct BrowserWindowOptions {
  // The frame's rectangle on the screen, decoration included (docs/chrome.md).
  int x = 40;
  int y = 40;
  int width = 800;
  int height = 600;
  // One tab per address; the first is selected unless selectedTab says otherwise.
  std::vector<std::string> urls = {"about:blank"};
  int selectedTab = 0;
  std::string homePage = "about:blank";
  // Device pixels per CSS pixel in every tab.
  float zoom = 1.0f;
  // The chrome document; empty for the browser's own (chrome/browser.xul). Another chrome
  // needs a tab browser ("tabbrowser-tabs", "tabbrowser-panels") to show pages.
  std::string chromeUrl;
};

class GECKOHOST_API BrowserWindow {
 public:
  ~BrowserWindow();
  BrowserWindow(const BrowserWindow&) = delete;
  BrowserWindow& operator=(const BrowserWindow&) = delete;

  // --- X windows, outermost first -----------------------------------------------------------
  unsigned long frameWindow() const;                 // child of the root: the pretended decoration
  unsigned long topLevelWindow() const;              // WM_CLASS "Navigator", "Firefox"
  unsigned long widgetWindow() const;                // the top-level widget's (GetNativeData(8))
  unsigned long contentWidgetWindow(int tab) const;  // the tab's content area; 0 for none

  // --- Tabs ---------------------------------------------------------------------------------
  int tabCount() const;
  int selectedTab() const;
  // Appends a tab loading `url` without selecting it; answers its index.
  int addTab(const std::string& url);
  bool selectTab(int index);

  // --- Loading and history (of the selected tab, unless a tab is named) ----------------------
  void loadUrl(const std::string& url, LoadMode mode = LoadMode::Complete);
  void loadUrl(int tab, const std::string& url, LoadMode mode = LoadMode::Complete);
  bool isLoading(int tab) const;
  void completeLoad(int tab);
  std::string currentUrl(int tab) const;
  bool canGoBack() const;
  bool canGoForward() const;
  bool back();
  bool forward();
  bool home();
  void setHomePage(const std::string& url);
  std::string homePage() const;

  // --- Status, zoom, find bar ---------------------------------------------------------------
  void setStatusText(const std::string& utf8Text);
  std::string statusText() const;
  void setZoom(int tab, float devicePixelsPerCSSPixel);
  float zoom(int tab) const;
  void setFindBarShown(bool shown);
  // Lays out and paints the pages of every tab and frame into their X windows, so that the
  // screen shows them (painting is not kept up to date by itself).
  void paint();

  // --- Focus --------------------------------------------------------------------------------
  // Makes this the most recently active window, raised.
  void activate();
  // Focuses a frame of the selected tab's page by its path of frame indexes: {} the page
  // itself, {1} its second frame, {1, 0} the first frame inside that. False when there is none.
  bool focusFrame(const std::vector<int>& path);
  // Focuses an element of one of this window's documents, and the window that shows it.
  bool focusElement(nsIDOMElement* element);

  // --- Drop-down lists ------------------------------------------------------------------------
  // Opens the list of a drop-down select of one of this window's pages, as a click on it
  // does: the select takes the keyboard focus and keeps it, and the list shows in a popup (an
  // override-redirect X window right below the select). False for anything but a laid-out
  // drop-down select of this window.
  bool openDropDown(nsIDOMElement* select);
  // Closes it again without choosing: the popup's X window, widget and views go.
  bool closeDropDown(nsIDOMElement* select);
  // Chooses option `index` of the open list, as a click on its row does: it becomes the
  // selected option and the list closes. False when the list is not open or has no such row.
  bool chooseDropDownOption(nsIDOMElement* select, int index);
  // The popup's X window while the select's list is open; 0 otherwise.
  unsigned long dropDownWindow(nsIDOMElement* select) const;

  // --- Geometry -----------------------------------------------------------------------------
  void moveTo(int x, int y);
  void resizeTo(int width, int height);

  // --- The Gecko side, for tests --------------------------------------------------------------
  nsCOMPtr<nsIXULWindow> xulWindow() const;
  nsCOMPtr<nsIDOMDocument> chromeDocument() const;
  // The page of a tab, or of a frame below it (path as for focusFrame).
  nsCOMPtr<nsIDOMDocument> document(int tab, const std::vector<int>& framePath = {}) const;
  nsCOMPtr<nsIDOMWindow> domWindow(int tab, const std::vector<int>& framePath = {}) const;

  // The host's own object (for code inside the host).
  XULWindow& window() const { return *mWindow; }

 private:
  friend class Host;
  BrowserWindow(HostContext& context, const BrowserWindowOptions& options);
  void close();

  nsCOMPtr<XULWindow> mWindow;
};

}  // namespace geckohost

#endif
