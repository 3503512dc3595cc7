// A top-level XUL window: a browser window or a dialog. It owns the top-level widget (and so
// the frame and top-level X windows) and the chrome shell showing its XUL document; the
// content shells of a browser's tabs are frames of that chrome, made for its <browser>
// elements. It answers for its tree: which shell has the focus, where chrome elements are,
// the status text and the home page.
//
//   X:     frame ─ top level (WM_CLASS "Navigator"/"Firefox") ─ top widget ─ content widgets
//   XPCOM: XULWindow ─ chrome DocShell (browser.xul) ─ content DocShell per tab ─ frames
#ifndef GECKOHOST_APPSHELL_XULWINDOW_H
#define GECKOHOST_APPSHELL_XULWINDOW_H

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ChromeBox.h"
#include "DocShell.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIBaseWindow.h"
#include "nsIInterfaceRequestor.h"
#include "nsIXULWindow.h"

namespace geckohost {

class CommandDispatcher;
class HostContext;
class Widget;

namespace dom {
class Element;
}

class XULWindow final : public XPCOMObject<nsIXULWindow, nsIBaseWindow, nsIInterfaceRequestor> {
 public:
  enum class Kind { Browser, Dialog };

  // Opens a window of `kind` whose frame is at `outer` on the screen, showing the chrome at
  // `chromeUrl`; a dialog belongs to `owner` (WM_TRANSIENT_FOR). The window is registered
  // with the mediator and shown.
  static nsCOMPtr<XULWindow> open(HostContext& context, Kind kind, const nsIntRect& outer,
                                  const std::string& chromeUrl, XULWindow* owner,
                                  DocShell::LoadMode mode);

  Kind kind() const { return mKind; }
  XULWindow* owner() const { return mOwner.get(); }
  Widget* mainWidget() const { return mMainWidget.get(); }
  DocShell* chromeShell() const { return mChromeShell.get(); }
  // The "windowtype" of the chrome's root element ("navigator:browser").
  std::u16string windowType() const;
  bool isClosed() const { return mClosed; }

  // Tears the window down: off the mediator's list, shells destroyed, X windows gone.
  void close();

  // --- Focus --------------------------------------------------------------------------------
  // The shell whose window the command dispatcher reports as focused: in a browser, the page of
  // the selected tab or the frame of it that took the focus, or the chrome when one of its own
  // elements (the url bar) has it; in a dialog, the chrome. Null after clearFocus().
  DocShell* focusedShell();
  // Gives the focus to `shell` of this window (remembered per tab); false for a shell of
  // another window. The window becomes the most recently active one.
  bool focusShell(DocShell& shell);
  // No window of this browser has the focus until a shell is focused again.
  void clearFocus();
  // The focus goes back to the selected tab (its page, or the frame of it focused last), as
  // when a tab is selected.
  void focusContent();
  // Makes this the active window: first in the mediator's recency, raised on the screen.
  void activate();
  // The content shell of the selected tab (the <browser> marked type="content-primary").
  DocShell* primaryContentShell();
  CommandDispatcher& commandDispatcher();

  // --- Chrome geometry ----------------------------------------------------------------------
  // An element's box relative to the top level (docs/chrome.md); empty when it takes no space.
  // `shown` tells whether it can be seen (a deck shows one child only).
  nsIntRect chromeBox(dom::Element& element, bool& shown);
  // The same on the screen.
  nsIntRect chromeBoxOnScreen(dom::Element& element);
  // The chrome document changed: boxes and the frames placed by them are stale.
  void chromeChanged();
  // Brings every shell's frames and widgets up to date; the host calls it before it returns.
  void flush();
  // Paints the page of every shown shell (tabs and frames) into its widget's X window.
  void paint();
  // A shell of this window started showing a new document.
  void shellShowedDocument(DocShell& shell);
  // A shell of this window finished loading its document.
  void shellFinishedLoading(DocShell& shell);
  // A browser's title and navigation buttons follow the page of its selected tab, as
  // Firefox's do.
  void pageStateChanged();

  // --- Window state -------------------------------------------------------------------------
  nsIntRect outerBounds() const;
  void setOuterBounds(const nsIntRect& outer);
  const std::u16string& title() const { return mTitle; }
  void setTitle(const std::u16string& title);
  const std::u16string& statusText() const { return mStatus; }
  void setStatusText(const std::u16string& text);
  const std::string& homePage() const { return mHomePage; }
  void setHomePage(const std::string& url) { mHomePage = url; }

  // nsIXULWindow
  NS_DECL_NSIXULWINDOW
  // nsIBaseWindow
  NS_DECL_NSIBASEWINDOW
  // nsIInterfaceRequestor
  NS_IMETHOD GetInterface(const nsIID& aIID, void** aResult) override;

 private:
  XULWindow(HostContext& context, Kind kind, XULWindow* owner);
  ~XULWindow() override;

  // What close() does, without holding the window alive (the destructor runs it too).
  void tearDown();
  void updateTitle();
  const ChromeBox* layOutChrome();
  void indexChromeBoxes(const ChromeBox& box);
  void forgetChromeLayout();
  dom::Element* chromeElementById(const std::u16string& id) const;

  HostContext& mContext;  // weak; the host closes every window before it goes
  Kind mKind;
  nsCOMPtr<XULWindow> mOwner;  // a dialog keeps its owner alive; owners do not hold dialogs
  nsCOMPtr<Widget> mMainWidget;
  nsCOMPtr<DocShell> mChromeShell;
  nsCOMPtr<CommandDispatcher> mDispatcher;
  // Per tab, the shell that took the focus last.
  struct TabFocus {
    nsCOMPtr<DocShell> tab;      // the tab's content shell
    nsCOMPtr<DocShell> focused;  // the tab's shell or one of its frames
  };
  std::vector<TabFocus> mTabFocus;
  // Where the keyboard focus is beyond the tabs: in the chrome itself (the url bar), or
  // nowhere at all (the focused window was set to null).
  enum class FocusPlace { Content, Chrome, Nowhere };
  FocusPlace mFocusPlace = FocusPlace::Content;
  std::unique_ptr<ChromeBox> mChromeLayout;  // null while stale
  // The boxes of mChromeLayout by the element they stand for (the first in document order),
  // so that a box object's question does not walk the whole chrome; stale with it.
  std::unordered_map<const void*, const ChromeBox*> mChromeBoxesBySource;
  std::u16string mTitle;
  std::u16string mStatus;
  std::string mHomePage = "about:blank";
  PRUint32 mZLevel = nsIXULWindow::normalZ;
  PRUint32 mContextFlags = 0;
  PRUint32 mChromeFlags = 0;
  bool mIntrinsicallySized = false;
  bool mEnabled = true;
  bool mClosed = false;
};

}  // namespace geckohost

#endif
