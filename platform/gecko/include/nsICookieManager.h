// The cookie store: enumerating and removing cookies.
#ifndef __gen_nsICookieManager_h__
#define __gen_nsICookieManager_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsISimpleEnumerator;

#define NS_ICOOKIEMANAGER_IID_STR "aaab6710-0f2c-11d5-a53b-0010a401eb10"

#define NS_ICOOKIEMANAGER_IID                        \
  {                                                  \
    0xaaab6710, 0x0f2c, 0x11d5, {                    \
      0xa5, 0x3b, 0x00, 0x10, 0xa4, 0x01, 0xeb, 0x10 \
    }                                                \
  }

class nsICookieManager : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ICOOKIEMANAGER_IID)

  NS_IMETHOD RemoveAll(void) = 0;
  // An enumerator of nsICookie, in no particular order.
  NS_IMETHOD GetEnumerator(nsISimpleEnumerator** aEnumerator) = 0;
  // Removes the cookie with this host, name and path; with aBlocked the host is also
  // refused cookies from now on.
  NS_IMETHOD Remove(const nsACString& aDomain, const nsACString& aName, const nsACString& aPath,
                    PRBool aBlocked) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsICookieManager, NS_ICOOKIEMANAGER_IID)

// Declares every method of nsICookieManager in a class that implements it.
#define NS_DECL_NSICOOKIEMANAGER                                                                 \
  NS_IMETHOD RemoveAll(void) override;                                                           \
  NS_IMETHOD GetEnumerator(nsISimpleEnumerator** aEnumerator) override;                          \
  NS_IMETHOD Remove(const nsACString& aDomain, const nsACString& aName, const nsACString& aPath, \
                    PRBool aBlocked) override;

// Implements every method of nsICookieManager by calling the same method of _to.
#define NS_FORWARD_NSICOOKIEMANAGER(_to)                                                         \
  NS_IMETHOD RemoveAll(void) override {                                                          \
    return _to RemoveAll();                                                                      \
  }                                                                                              \
  NS_IMETHOD GetEnumerator(nsISimpleEnumerator** aEnumerator) override {                         \
    return _to GetEnumerator(aEnumerator);                                                       \
  }                                                                                              \
  NS_IMETHOD Remove(const nsACString& aDomain, const nsACString& aName, const nsACString& aPath, \
                    PRBool aBlocked) override {                                                  \
    return _to Remove(aDomain, aName, aPath, aBlocked);                                          \
  }

#define NS_COOKIEMANAGER_CONTRACTID "@mozilla.org/cookiemanager;1"

#endif
