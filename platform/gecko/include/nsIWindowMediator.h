// Declares the part of nsIWindowMediator that this code base uses: the enumerations of the
// open top-level windows, registration, and listeners. Left out: time stamps, titles and the
// z-order placement calls.
#ifndef __gen_nsIWindowMediator_h__
#define __gen_nsIWindowMediator_h__

#include "nsISupports.h"

class nsIDOMWindowInternal;
class nsISimpleEnumerator;
class nsIWindowMediatorListener;
class nsIXULWindow;

#define NS_IWINDOWMEDIATOR_IID_STR "0659cb81-faad-11d2-8e19-b206620a657c"

#define NS_IWINDOWMEDIATOR_IID                       \
  {                                                  \
    0x0659cb81, 0xfaad, 0x11d2, {                    \
      0x8e, 0x19, 0xb2, 0x06, 0x62, 0x0a, 0x65, 0x7c \
    }                                                \
  }

class nsIWindowMediator : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IWINDOWMEDIATOR_IID)

  // Windows of the given type ("navigator:browser"), or of every type when it is null,
  // oldest first. The first enumerates their nsIDOMWindows, the second their nsIXULWindows.
  NS_IMETHOD GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar* aWindowType,
                                    nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval) = 0;
  NS_IMETHOD RegisterWindow(nsIXULWindow* aWindow) = 0;
  NS_IMETHOD UnregisterWindow(nsIXULWindow* aWindow) = 0;

  enum { zLevelTop = 1U };
  enum { zLevelBottom = 2U };
  enum { zLevelBelow = 3U };

  NS_IMETHOD AddListener(nsIWindowMediatorListener* aListener) = 0;
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener* aListener) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIWindowMediator, NS_IWINDOWMEDIATOR_IID)

// Declares every method of nsIWindowMediator in a class that implements it.
#define NS_DECL_NSIWINDOWMEDIATOR                                                                 \
  NS_IMETHOD GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) override; \
  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval)  \
      override;                                                                                   \
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,      \
                                          nsISimpleEnumerator** _retval) override;                \
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,      \
                                          nsISimpleEnumerator** _retval) override;                \
  NS_IMETHOD GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval)    \
      override;                                                                                   \
  NS_IMETHOD RegisterWindow(nsIXULWindow* aWindow) override;                                      \
  NS_IMETHOD UnregisterWindow(nsIXULWindow* aWindow) override;                                    \
  NS_IMETHOD AddListener(nsIWindowMediatorListener* aListener) override;                          \
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener* aListener) override;

// Implements every method of nsIWindowMediator by calling the same method of _to.
#define NS_FORWARD_NSIWINDOWMEDIATOR(_to)                                                          \
  NS_IMETHOD GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) override { \
    return _to GetEnumerator(aWindowType, _retval);                                                \
  }                                                                                                \
  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval)   \
      override {                                                                                   \
    return _to GetXULWindowEnumerator(aWindowType, _retval);                                       \
  }                                                                                                \
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,       \
                                          nsISimpleEnumerator** _retval) override {                \
    return _to GetZOrderDOMWindowEnumerator(aWindowType, aFrontToBack, _retval);                   \
  }                                                                                                \
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,       \
                                          nsISimpleEnumerator** _retval) override {                \
    return _to GetZOrderXULWindowEnumerator(aWindowType, aFrontToBack, _retval);                   \
  }                                                                                                \
  NS_IMETHOD GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval)     \
      override {                                                                                   \
    return _to GetMostRecentWindow(aWindowType, _retval);                                          \
  }                                                                                                \
  NS_IMETHOD RegisterWindow(nsIXULWindow* aWindow) override {                                      \
    return _to RegisterWindow(aWindow);                                                            \
  }                                                                                                \
  NS_IMETHOD UnregisterWindow(nsIXULWindow* aWindow) override {                                    \
    return _to UnregisterWindow(aWindow);                                                          \
  }                                                                                                \
  NS_IMETHOD AddListener(nsIWindowMediatorListener* aListener) override {                          \
    return _to AddListener(aListener);                                                             \
  }                                                                                                \
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener* aListener) override {                       \
    return _to RemoveListener(aListener);                                                          \
  }

#define NS_WINDOWMEDIATOR_CONTRACTID "@mozilla.org/appshell/window-mediator;1"

#endif
