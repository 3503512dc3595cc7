// The 1.9 additions to nsIDOMWindow.
#ifndef __gen_nsIDOMWindow2_h__
#define __gen_nsIDOMWindow2_h__

#include "nsIDOMWindow.h"

class nsIDOMEventTarget;
class nsIDOMOfflineResourceList;

#define NS_IDOMWINDOW2_IID_STR "73c5fa35-3add-4c87-a303-a850ccf4d65a"

#define NS_IDOMWINDOW2_IID                           \
  {                                                  \
    0x73c5fa35, 0x3add, 0x4c87, {                    \
      0xa3, 0x03, 0xa8, 0x50, 0xcc, 0xf4, 0xd6, 0x5a \
    }                                                \
  }

class nsIDOMWindow2 : public nsIDOMWindow {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMWINDOW2_IID)

  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) = 0;
  NS_IMETHOD GetApplicationCache(nsIDOMOfflineResourceList** aApplicationCache) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMWindow2, NS_IDOMWINDOW2_IID)

// Declares every method of nsIDOMWindow2 in a class that implements it.
#define NS_DECL_NSIDOMWINDOW2                                         \
  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) override; \
  NS_IMETHOD GetApplicationCache(nsIDOMOfflineResourceList** aApplicationCache) override;

// Implements every method of nsIDOMWindow2 by calling the same method of _to.
#define NS_FORWARD_NSIDOMWINDOW2(_to)                                                      \
  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) override {                     \
    return _to GetWindowRoot(aWindowRoot);                                                 \
  }                                                                                        \
  NS_IMETHOD GetApplicationCache(nsIDOMOfflineResourceList** aApplicationCache) override { \
    return _to GetApplicationCache(aApplicationCache);                                     \
  }

#endif
