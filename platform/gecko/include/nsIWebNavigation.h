// Navigation of a document shell: loading an address, reloading, stopping, and session
// history.
#ifndef __gen_nsIWebNavigation_h__
#define __gen_nsIWebNavigation_h__

#include "nsISupports.h"

class nsIDOMDocument;
class nsIInputStream;
class nsISHistory;
class nsIURI;

#define NS_IWEBNAVIGATION_IID_STR "f5d9e7b0-d930-11d3-b057-00a024ffc08c"

#define NS_IWEBNAVIGATION_IID                        \
  {                                                  \
    0xf5d9e7b0, 0xd930, 0x11d3, {                    \
      0xb0, 0x57, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c \
    }                                                \
  }

class nsIWebNavigation : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IWEBNAVIGATION_IID)

  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) = 0;
  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) = 0;
  NS_IMETHOD GoBack(void) = 0;
  NS_IMETHOD GoForward(void) = 0;
  NS_IMETHOD GotoIndex(PRInt32 index) = 0;

  enum { LOAD_FLAGS_MASK = 0xffffU };
  enum { LOAD_FLAGS_NONE = 0x0000U };
  enum { LOAD_FLAGS_IS_REFRESH = 0x0010U };
  enum { LOAD_FLAGS_IS_LINK = 0x0020U };
  enum { LOAD_FLAGS_BYPASS_HISTORY = 0x0040U };
  enum { LOAD_FLAGS_REPLACE_HISTORY = 0x0080U };
  enum { LOAD_FLAGS_BYPASS_CACHE = 0x0100U };
  enum { LOAD_FLAGS_BYPASS_PROXY = 0x0200U };
  enum { LOAD_FLAGS_CHARSET_CHANGE = 0x0400U };
  enum { LOAD_FLAGS_STOP_CONTENT = 0x0800U };
  enum { LOAD_FLAGS_FROM_EXTERNAL = 0x1000U };
  enum { LOAD_FLAGS_ALLOW_THIRD_PARTY_FIXUP = 0x2000U };
  enum { LOAD_FLAGS_FIRST_LOAD = 0x4000U };
  enum { LOAD_FLAGS_ALLOW_POPUPS = 0x8000U };
  enum { LOAD_FLAGS_BYPASS_CLASSIFIER = 0x10000U };

  // Loads an address typed as by the user (UTF-16); a missing scheme is guessed.
  NS_IMETHOD LoadURI(const PRUnichar* aURI, PRUint32 aLoadFlags, nsIURI* aReferrer,
                     nsIInputStream* aPostData, nsIInputStream* aHeaders) = 0;
  NS_IMETHOD Reload(PRUint32 aReloadFlags) = 0;

  enum { STOP_NETWORK = 0x01U };
  enum { STOP_CONTENT = 0x02U };
  enum { STOP_ALL = 0x03U };

  NS_IMETHOD Stop(PRUint32 aStopFlags) = 0;
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) = 0;
  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) = 0;
  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) = 0;
  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) = 0;
  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIWebNavigation, NS_IWEBNAVIGATION_IID)

// Declares every method of nsIWebNavigation in a class that implements it.
#define NS_DECL_NSIWEBNAVIGATION                                                    \
  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) override;                             \
  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) override;                       \
  NS_IMETHOD GoBack(void) override;                                                 \
  NS_IMETHOD GoForward(void) override;                                              \
  NS_IMETHOD GotoIndex(PRInt32 index) override;                                     \
  NS_IMETHOD LoadURI(const PRUnichar* aURI, PRUint32 aLoadFlags, nsIURI* aReferrer, \
                     nsIInputStream* aPostData, nsIInputStream* aHeaders) override; \
  NS_IMETHOD Reload(PRUint32 aReloadFlags) override;                                \
  NS_IMETHOD Stop(PRUint32 aStopFlags) override;                                    \
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override;                      \
  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) override;                          \
  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) override;                      \
  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) override;             \
  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) override;

// Implements every method of nsIWebNavigation by calling the same method of _to.
#define NS_FORWARD_NSIWEBNAVIGATION(_to)                                             \
  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) override {                             \
    return _to GetCanGoBack(aCanGoBack);                                             \
  }                                                                                  \
  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) override {                       \
    return _to GetCanGoForward(aCanGoForward);                                       \
  }                                                                                  \
  NS_IMETHOD GoBack(void) override {                                                 \
    return _to GoBack();                                                             \
  }                                                                                  \
  NS_IMETHOD GoForward(void) override {                                              \
    return _to GoForward();                                                          \
  }                                                                                  \
  NS_IMETHOD GotoIndex(PRInt32 index) override {                                     \
    return _to GotoIndex(index);                                                     \
  }                                                                                  \
  NS_IMETHOD LoadURI(const PRUnichar* aURI, PRUint32 aLoadFlags, nsIURI* aReferrer,  \
                     nsIInputStream* aPostData, nsIInputStream* aHeaders) override { \
    return _to LoadURI(aURI, aLoadFlags, aReferrer, aPostData, aHeaders);            \
  }                                                                                  \
  NS_IMETHOD Reload(PRUint32 aReloadFlags) override {                                \
    return _to Reload(aReloadFlags);                                                 \
  }                                                                                  \
  NS_IMETHOD Stop(PRUint32 aStopFlags) override {                                    \
    return _to Stop(aStopFlags);                                                     \
  }                                                                                  \
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {                      \
    return _to GetDocument(aDocument);                                               \
  }                                                                                  \
  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) override {                          \
    return _to GetCurrentURI(aCurrentURI);                                           \
  }                                                                                  \
  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) override {                      \
    return _to GetReferringURI(aReferringURI);                                       \
  }                                                                                  \
  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) override {             \
    return _to GetSessionHistory(aSessionHistory);                                   \
  }                                                                                  \
  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) override {              \
    return _to SetSessionHistory(aSessionHistory);                                   \
  }

#endif
