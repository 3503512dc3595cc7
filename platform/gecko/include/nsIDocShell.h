// Declares the part of nsIDocShell that this code base uses: the presentation shell and
// content viewer of what the shell shows, the enumeration of a shell tree, and the busy
// flags. Left out: loading, history state, storage and the per-shell permissions.
#ifndef __gen_nsIDocShell_h__
#define __gen_nsIDocShell_h__

#include "nsISupports.h"

class nsIContentViewer;
class nsIPresShell;
class nsISimpleEnumerator;

#define NS_IDOCSHELL_IID_STR "e0da4cfe-cfae-4df6-8018-b3b8c5445de1"

#define NS_IDOCSHELL_IID                             \
  {                                                  \
    0xe0da4cfe, 0xcfae, 0x4df6, {                    \
      0x80, 0x18, 0xb3, 0xb8, 0xc5, 0x44, 0x5d, 0xe1 \
    }                                                \
  }

class nsIDocShell : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOCSHELL_IID)

  // The presentation shell of the document shown now; null before one exists.
  NS_IMETHOD GetPresShell(nsIPresShell** aPresShell) = 0;
  NS_IMETHOD GetEldestPresShell(nsIPresShell** aEldestPresShell) = 0;
  NS_IMETHOD GetContentViewer(nsIContentViewer** aContentViewer) = 0;

  enum { ENUMERATE_FORWARDS = 0 };
  enum { ENUMERATE_BACKWARDS = 1 };

  // This shell and its descendants of the given item type (nsIDocShellTreeItem::typeAll
  // for all), depth first.
  NS_IMETHOD GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection,
                                   nsISimpleEnumerator** _retval) = 0;

  enum { BUSY_FLAGS_NONE = 0U };
  enum { BUSY_FLAGS_BUSY = 1U };
  enum { BUSY_FLAGS_BEFORE_PAGE_LOAD = 2U };
  enum { BUSY_FLAGS_PAGE_LOADING = 4U };

  // BUSY_FLAGS_NONE once the document has loaded.
  NS_IMETHOD GetBusyFlags(PRUint32* aBusyFlags) = 0;
  NS_IMETHOD IsBeingDestroyed(PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDocShell, NS_IDOCSHELL_IID)

// Declares every method of nsIDocShell in a class that implements it.
#define NS_DECL_NSIDOCSHELL                                                 \
  NS_IMETHOD GetPresShell(nsIPresShell** aPresShell) override;              \
  NS_IMETHOD GetEldestPresShell(nsIPresShell** aEldestPresShell) override;  \
  NS_IMETHOD GetContentViewer(nsIContentViewer** aContentViewer) override;  \
  NS_IMETHOD GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection,   \
                                   nsISimpleEnumerator** _retval) override; \
  NS_IMETHOD GetBusyFlags(PRUint32* aBusyFlags) override;                   \
  NS_IMETHOD IsBeingDestroyed(PRBool* _retval) override;

// Implements every method of nsIDocShell by calling the same method of _to.
#define NS_FORWARD_NSIDOCSHELL(_to)                                          \
  NS_IMETHOD GetPresShell(nsIPresShell** aPresShell) override {              \
    return _to GetPresShell(aPresShell);                                     \
  }                                                                          \
  NS_IMETHOD GetEldestPresShell(nsIPresShell** aEldestPresShell) override {  \
    return _to GetEldestPresShell(aEldestPresShell);                         \
  }                                                                          \
  NS_IMETHOD GetContentViewer(nsIContentViewer** aContentViewer) override {  \
    return _to GetContentViewer(aContentViewer);                             \
  }                                                                          \
  NS_IMETHOD GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection,    \
                                   nsISimpleEnumerator** _retval) override { \
    return _to GetDocShellEnumerator(aItemType, aDirection, _retval);        \
  }                                                                          \
  NS_IMETHOD GetBusyFlags(PRUint32* aBusyFlags) override {                   \
    return _to GetBusyFlags(aBusyFlags);                                     \
  }                                                                          \
  NS_IMETHOD IsBeingDestroyed(PRBool* _retval) override {                    \
    return _to IsBeingDestroyed(_retval);                                    \
  }

#endif
