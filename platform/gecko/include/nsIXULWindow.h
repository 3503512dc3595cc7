// A top-level XUL window (a browser window or a dialog) as the application shell sees it:
// the document shell of its chrome, its content shells and its z-level.
#ifndef __gen_nsIXULWindow_h__
#define __gen_nsIXULWindow_h__

#include "nsISupports.h"

class nsIAppShell;
class nsIDocShell;
class nsIDocShellTreeItem;
class nsIXULBrowserWindow;

#define NS_IXULWINDOW_IID_STR "c175a596-ee13-420a-aa74-13ad3a14deb1"

#define NS_IXULWINDOW_IID                            \
  {                                                  \
    0xc175a596, 0xee13, 0x420a, {                    \
      0xaa, 0x74, 0x13, 0xad, 0x3a, 0x14, 0xde, 0xb1 \
    }                                                \
  }

class nsIXULWindow : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IXULWINDOW_IID)

  // The document shell that shows the window's XUL document.
  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) = 0;
  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) = 0;
  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) = 0;
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) = 0;
  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) = 0;
  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) = 0;
  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) = 0;
  NS_IMETHOD ShowModal(void) = 0;

  enum { lowestZ = 0U };
  enum { loweredZ = 4U };
  enum { normalZ = 5U };
  enum { raisedZ = 6U };
  enum { highestZ = 9U };

  NS_IMETHOD GetZLevel(PRUint32* aZLevel) = 0;
  NS_IMETHOD SetZLevel(PRUint32 aZLevel) = 0;
  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) = 0;
  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) = 0;
  NS_IMETHOD GetChromeFlags(PRUint32* aChromeFlags) = 0;
  NS_IMETHOD SetChromeFlags(PRUint32 aChromeFlags) = 0;
  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIAppShell* aAppShell,
                             nsIXULWindow** _retval) = 0;
  NS_IMETHOD GetXULBrowserWindow(nsIXULBrowserWindow** aXULBrowserWindow) = 0;
  NS_IMETHOD SetXULBrowserWindow(nsIXULBrowserWindow* aXULBrowserWindow) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIXULWindow, NS_IXULWINDOW_IID)

// Declares every method of nsIXULWindow in a class that implements it.
#define NS_DECL_NSIXULWINDOW                                                                       \
  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) override;                                        \
  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) override;                          \
  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) override;                           \
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) override;          \
  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) override;     \
  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) override;                                        \
  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) override;                                     \
  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) override;              \
  NS_IMETHOD ShowModal(void) override;                                                             \
  NS_IMETHOD GetZLevel(PRUint32* aZLevel) override;                                                \
  NS_IMETHOD SetZLevel(PRUint32 aZLevel) override;                                                 \
  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) override;                                    \
  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) override;                                     \
  NS_IMETHOD GetChromeFlags(PRUint32* aChromeFlags) override;                                      \
  NS_IMETHOD SetChromeFlags(PRUint32 aChromeFlags) override;                                       \
  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIAppShell* aAppShell, nsIXULWindow** _retval) \
      override;                                                                                    \
  NS_IMETHOD GetXULBrowserWindow(nsIXULBrowserWindow** aXULBrowserWindow) override;                \
  NS_IMETHOD SetXULBrowserWindow(nsIXULBrowserWindow* aXULBrowserWindow) override;

// Implements every method of nsIXULWindow by calling the same method of _to.
#define NS_FORWARD_NSIXULWINDOW(_to)                                                               \
  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) override {                                       \
    return _to GetDocShell(aDocShell);                                                             \
  }                                                                                                \
  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) override {                         \
    return _to GetIntrinsicallySized(aIntrinsicallySized);                                         \
  }                                                                                                \
  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) override {                          \
    return _to SetIntrinsicallySized(aIntrinsicallySized);                                         \
  }                                                                                                \
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) override {         \
    return _to GetPrimaryContentShell(aPrimaryContentShell);                                       \
  }                                                                                                \
  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) override {    \
    return _to GetContentShellById(ID, _retval);                                                   \
  }                                                                                                \
  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) override {                                       \
    return _to AddChildWindow(aChild);                                                             \
  }                                                                                                \
  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) override {                                    \
    return _to RemoveChildWindow(aChild);                                                          \
  }                                                                                                \
  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) override {             \
    return _to Center(aRelative, aScreen, aAlert);                                                 \
  }                                                                                                \
  NS_IMETHOD ShowModal(void) override {                                                            \
    return _to ShowModal();                                                                        \
  }                                                                                                \
  NS_IMETHOD GetZLevel(PRUint32* aZLevel) override {                                               \
    return _to GetZLevel(aZLevel);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetZLevel(PRUint32 aZLevel) override {                                                \
    return _to SetZLevel(aZLevel);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) override {                                   \
    return _to GetContextFlags(aContextFlags);                                                     \
  }                                                                                                \
  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) override {                                    \
    return _to SetContextFlags(aContextFlags);                                                     \
  }                                                                                                \
  NS_IMETHOD GetChromeFlags(PRUint32* aChromeFlags) override {                                     \
    return _to GetChromeFlags(aChromeFlags);                                                       \
  }                                                                                                \
  NS_IMETHOD SetChromeFlags(PRUint32 aChromeFlags) override {                                      \
    return _to SetChromeFlags(aChromeFlags);                                                       \
  }                                                                                                \
  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIAppShell* aAppShell, nsIXULWindow** _retval) \
      override {                                                                                   \
    return _to CreateNewWindow(aChromeFlags, aAppShell, _retval);                                  \
  }                                                                                                \
  NS_IMETHOD GetXULBrowserWindow(nsIXULBrowserWindow** aXULBrowserWindow) override {               \
    return _to GetXULBrowserWindow(aXULBrowserWindow);                                             \
  }                                                                                                \
  NS_IMETHOD SetXULBrowserWindow(nsIXULBrowserWindow* aXULBrowserWindow) override {                \
    return _to SetXULBrowserWindow(aXULBrowserWindow);                                             \
  }

#endif
