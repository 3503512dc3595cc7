// One cookie of the cookie store.
#ifndef __gen_nsICookie_h__
#define __gen_nsICookie_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

typedef PRInt32 nsCookieStatus;

typedef PRInt32 nsCookiePolicy;

#define NS_ICOOKIE_IID_STR "e9fcb9a4-d376-458f-b720-e65e7df593bc"

#define NS_ICOOKIE_IID                               \
  {                                                  \
    0xe9fcb9a4, 0xd376, 0x458f, {                    \
      0xb7, 0x20, 0xe6, 0x5e, 0x7d, 0xf5, 0x93, 0xbc \
    }                                                \
  }

class nsICookie : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ICOOKIE_IID)

  NS_IMETHOD GetName(nsACString& aName) = 0;
  NS_IMETHOD GetValue(nsACString& aValue) = 0;
  // Whether the host is a domain (".example.com") rather than one host.
  NS_IMETHOD GetIsDomain(PRBool* aIsDomain) = 0;
  NS_IMETHOD GetHost(nsACString& aHost) = 0;
  NS_IMETHOD GetPath(nsACString& aPath) = 0;
  NS_IMETHOD GetIsSecure(PRBool* aIsSecure) = 0;
  // Seconds since the epoch; 0 for a session cookie.
  NS_IMETHOD GetExpires(PRUint64* aExpires) = 0;

  enum { STATUS_UNKNOWN = 0 };
  enum { STATUS_ACCEPTED = 1 };
  enum { STATUS_DOWNGRADED = 2 };
  enum { STATUS_FLAGGED = 3 };
  enum { STATUS_REJECTED = 4 };

  NS_IMETHOD GetStatus(nsCookieStatus* aStatus) = 0;

  enum { POLICY_UNKNOWN = 0 };
  enum { POLICY_NONE = 1 };
  enum { POLICY_NO_CONSENT = 2 };
  enum { POLICY_IMPLICIT_CONSENT = 3 };
  enum { POLICY_EXPLICIT_CONSENT = 4 };
  enum { POLICY_NO_II = 5 };

  NS_IMETHOD GetPolicy(nsCookiePolicy* aPolicy) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsICookie, NS_ICOOKIE_IID)

// Declares every method of nsICookie in a class that implements it.
#define NS_DECL_NSICOOKIE                                 \
  NS_IMETHOD GetName(nsACString& aName) override;         \
  NS_IMETHOD GetValue(nsACString& aValue) override;       \
  NS_IMETHOD GetIsDomain(PRBool* aIsDomain) override;     \
  NS_IMETHOD GetHost(nsACString& aHost) override;         \
  NS_IMETHOD GetPath(nsACString& aPath) override;         \
  NS_IMETHOD GetIsSecure(PRBool* aIsSecure) override;     \
  NS_IMETHOD GetExpires(PRUint64* aExpires) override;     \
  NS_IMETHOD GetStatus(nsCookieStatus* aStatus) override; \
  NS_IMETHOD GetPolicy(nsCookiePolicy* aPolicy) override;

// Implements every method of nsICookie by calling the same method of _to.
#define NS_FORWARD_NSICOOKIE(_to)                          \
  NS_IMETHOD GetName(nsACString& aName) override {         \
    return _to GetName(aName);                             \
  }                                                        \
  NS_IMETHOD GetValue(nsACString& aValue) override {       \
    return _to GetValue(aValue);                           \
  }                                                        \
  NS_IMETHOD GetIsDomain(PRBool* aIsDomain) override {     \
    return _to GetIsDomain(aIsDomain);                     \
  }                                                        \
  NS_IMETHOD GetHost(nsACString& aHost) override {         \
    return _to GetHost(aHost);                             \
  }                                                        \
  NS_IMETHOD GetPath(nsACString& aPath) override {         \
    return _to GetPath(aPath);                             \
  }                                                        \
  NS_IMETHOD GetIsSecure(PRBool* aIsSecure) override {     \
    return _to GetIsSecure(aIsSecure);                     \
  }                                                        \
  NS_IMETHOD GetExpires(PRUint64* aExpires) override {     \
    return _to GetExpires(aExpires);                       \
  }                                                        \
  NS_IMETHOD GetStatus(nsCookieStatus* aStatus) override { \
    return _to GetStatus(aStatus);                         \
  }                                                        \
  NS_IMETHOD GetPolicy(nsCookiePolicy* aPolicy) override { \
    return _to GetPolicy(aPolicy);                         \
  }

#endif
