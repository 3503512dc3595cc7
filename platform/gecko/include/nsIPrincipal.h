// Declares the part of nsIPrincipal that this code base uses: identity and origin of a
// security principal. Left out: preferences, certificates, capabilities and domains.
#ifndef __gen_nsIPrincipal_h__
#define __gen_nsIPrincipal_h__

#include "nsISupports.h"

class nsIURI;

#define NS_IPRINCIPAL_IID_STR "397b989e-af01-40db-8ac5-70cc62aa4fd7"

#define NS_IPRINCIPAL_IID                            \
  {                                                  \
    0x397b989e, 0xaf01, 0x40db, {                    \
      0x8a, 0xc5, 0x70, 0xcc, 0x62, 0xaa, 0x4f, 0xd7 \
    }                                                \
  }

class nsIPrincipal : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IPRINCIPAL_IID)

  NS_IMETHOD Equals(nsIPrincipal* other, PRBool* _retval) = 0;
  NS_IMETHOD GetHashValue(PRUint32* aHashValue) = 0;
  // Null for the system principal.
  NS_IMETHOD GetURI(nsIURI** aURI) = 0;
  NS_IMETHOD GetOrigin(char** aOrigin) = 0;
  NS_IMETHOD Subsumes(nsIPrincipal* other, PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIPrincipal, NS_IPRINCIPAL_IID)

// Declares every method of nsIPrincipal in a class that implements it.
#define NS_DECL_NSIPRINCIPAL                                        \
  NS_IMETHOD Equals(nsIPrincipal* other, PRBool* _retval) override; \
  NS_IMETHOD GetHashValue(PRUint32* aHashValue) override;           \
  NS_IMETHOD GetURI(nsIURI** aURI) override;                        \
  NS_IMETHOD GetOrigin(char** aOrigin) override;                    \
  NS_IMETHOD Subsumes(nsIPrincipal* other, PRBool* _retval) override;

// Implements every method of nsIPrincipal by calling the same method of _to.
#define NS_FORWARD_NSIPRINCIPAL(_to)                                   \
  NS_IMETHOD Equals(nsIPrincipal* other, PRBool* _retval) override {   \
    return _to Equals(other, _retval);                                 \
  }                                                                    \
  NS_IMETHOD GetHashValue(PRUint32* aHashValue) override {             \
    return _to GetHashValue(aHashValue);                               \
  }                                                                    \
  NS_IMETHOD GetURI(nsIURI** aURI) override {                          \
    return _to GetURI(aURI);                                           \
  }                                                                    \
  NS_IMETHOD GetOrigin(char** aOrigin) override {                      \
    return _to GetOrigin(aOrigin);                                     \
  }                                                                    \
  NS_IMETHOD Subsumes(nsIPrincipal* other, PRBool* _retval) override { \
    return _to Subsumes(other, _retval);                               \
  }

#endif
