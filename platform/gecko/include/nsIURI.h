// An absolute address, in parts. Strings are UTF-8 unless named ASCII.
#ifndef __gen_nsIURI_h__
#define __gen_nsIURI_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

#define NS_IURI_IID_STR "07a22cc0-0ce5-11d3-9331-00104ba0fd40"

#define NS_IURI_IID                                  \
  {                                                  \
    0x07a22cc0, 0x0ce5, 0x11d3, {                    \
      0x93, 0x31, 0x00, 0x10, 0x4b, 0xa0, 0xfd, 0x40 \
    }                                                \
  }

class nsIURI : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IURI_IID)

  NS_IMETHOD GetSpec(nsACString& aSpec) = 0;
  NS_IMETHOD SetSpec(const nsACString& aSpec) = 0;
  NS_IMETHOD GetPrePath(nsACString& aPrePath) = 0;
  NS_IMETHOD GetScheme(nsACString& aScheme) = 0;
  NS_IMETHOD SetScheme(const nsACString& aScheme) = 0;
  NS_IMETHOD GetUserPass(nsACString& aUserPass) = 0;
  NS_IMETHOD SetUserPass(const nsACString& aUserPass) = 0;
  NS_IMETHOD GetUsername(nsACString& aUsername) = 0;
  NS_IMETHOD SetUsername(const nsACString& aUsername) = 0;
  NS_IMETHOD GetPassword(nsACString& aPassword) = 0;
  NS_IMETHOD SetPassword(const nsACString& aPassword) = 0;
  NS_IMETHOD GetHostPort(nsACString& aHostPort) = 0;
  NS_IMETHOD SetHostPort(const nsACString& aHostPort) = 0;
  NS_IMETHOD GetHost(nsACString& aHost) = 0;
  NS_IMETHOD SetHost(const nsACString& aHost) = 0;
  // -1 for the scheme's default port.
  NS_IMETHOD GetPort(PRInt32* aPort) = 0;
  NS_IMETHOD SetPort(PRInt32 aPort) = 0;
  NS_IMETHOD GetPath(nsACString& aPath) = 0;
  NS_IMETHOD SetPath(const nsACString& aPath) = 0;
  NS_IMETHOD Equals(nsIURI* other, PRBool* _retval) = 0;
  NS_IMETHOD SchemeIs(const char* scheme, PRBool* _retval) = 0;
  NS_IMETHOD Clone(nsIURI** _retval) = 0;
  // Resolves a relative address against this one.
  NS_IMETHOD Resolve(const nsACString& relativePath, nsACString& _retval) = 0;
  NS_IMETHOD GetAsciiSpec(nsACString& aAsciiSpec) = 0;
  NS_IMETHOD GetAsciiHost(nsACString& aAsciiHost) = 0;
  NS_IMETHOD GetOriginCharset(nsACString& aOriginCharset) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIURI, NS_IURI_IID)

// Declares every method of nsIURI in a class that implements it.
#define NS_DECL_NSIURI                                                              \
  NS_IMETHOD GetSpec(nsACString& aSpec) override;                                   \
  NS_IMETHOD SetSpec(const nsACString& aSpec) override;                             \
  NS_IMETHOD GetPrePath(nsACString& aPrePath) override;                             \
  NS_IMETHOD GetScheme(nsACString& aScheme) override;                               \
  NS_IMETHOD SetScheme(const nsACString& aScheme) override;                         \
  NS_IMETHOD GetUserPass(nsACString& aUserPass) override;                           \
  NS_IMETHOD SetUserPass(const nsACString& aUserPass) override;                     \
  NS_IMETHOD GetUsername(nsACString& aUsername) override;                           \
  NS_IMETHOD SetUsername(const nsACString& aUsername) override;                     \
  NS_IMETHOD GetPassword(nsACString& aPassword) override;                           \
  NS_IMETHOD SetPassword(const nsACString& aPassword) override;                     \
  NS_IMETHOD GetHostPort(nsACString& aHostPort) override;                           \
  NS_IMETHOD SetHostPort(const nsACString& aHostPort) override;                     \
  NS_IMETHOD GetHost(nsACString& aHost) override;                                   \
  NS_IMETHOD SetHost(const nsACString& aHost) override;                             \
  NS_IMETHOD GetPort(PRInt32* aPort) override;                                      \
  NS_IMETHOD SetPort(PRInt32 aPort) override;                                       \
  NS_IMETHOD GetPath(nsACString& aPath) override;                                   \
  NS_IMETHOD SetPath(const nsACString& aPath) override;                             \
  NS_IMETHOD Equals(nsIURI* other, PRBool* _retval) override;                       \
  NS_IMETHOD SchemeIs(const char* scheme, PRBool* _retval) override;                \
  NS_IMETHOD Clone(nsIURI** _retval) override;                                      \
  NS_IMETHOD Resolve(const nsACString& relativePath, nsACString& _retval) override; \
  NS_IMETHOD GetAsciiSpec(nsACString& aAsciiSpec) override;                         \
  NS_IMETHOD GetAsciiHost(nsACString& aAsciiHost) override;                         \
  NS_IMETHOD GetOriginCharset(nsACString& aOriginCharset) override;

// Implements every method of nsIURI by calling the same method of _to.
#define NS_FORWARD_NSIURI(_to)                                                       \
  NS_IMETHOD GetSpec(nsACString& aSpec) override {                                   \
    return _to GetSpec(aSpec);                                                       \
  }                                                                                  \
  NS_IMETHOD SetSpec(const nsACString& aSpec) override {                             \
    return _to SetSpec(aSpec);                                                       \
  }                                                                                  \
  NS_IMETHOD GetPrePath(nsACString& aPrePath) override {                             \
    return _to GetPrePath(aPrePath);                                                 \
  }                                                                                  \
  NS_IMETHOD GetScheme(nsACString& aScheme) override {                               \
    return _to GetScheme(aScheme);                                                   \
  }                                                                                  \
  NS_IMETHOD SetScheme(const nsACString& aScheme) override {                         \
    return _to SetScheme(aScheme);                                                   \
  }                                                                                  \
  NS_IMETHOD GetUserPass(nsACString& aUserPass) override {                           \
    return _to GetUserPass(aUserPass);                                               \
  }                                                                                  \
  NS_IMETHOD SetUserPass(const nsACString& aUserPass) override {                     \
    return _to SetUserPass(aUserPass);                                               \
  }                                                                                  \
  NS_IMETHOD GetUsername(nsACString& aUsername) override {                           \
    return _to GetUsername(aUsername);                                               \
  }                                                                                  \
  NS_IMETHOD SetUsername(const nsACString& aUsername) override {                     \
    return _to SetUsername(aUsername);                                               \
  }                                                                                  \
  NS_IMETHOD GetPassword(nsACString& aPassword) override {                           \
    return _to GetPassword(aPassword);                                               \
  }                                                                                  \
  NS_IMETHOD SetPassword(const nsACString& aPassword) override {                     \
    return _to SetPassword(aPassword);                                               \
  }                                                                                  \
  NS_IMETHOD GetHostPort(nsACString& aHostPort) override {                           \
    return _to GetHostPort(aHostPort);                                               \
  }                                                                                  \
  NS_IMETHOD SetHostPort(const nsACString& aHostPort) override {                     \
    return _to SetHostPort(aHostPort);                                               \
  }                                                                                  \
  NS_IMETHOD GetHost(nsACString& aHost) override {                                   \
    return _to GetHost(aHost);                                                       \
  }                                                                                  \
  NS_IMETHOD SetHost(const nsACString& aHost) override {                             \
    return _to SetHost(aHost);                                                       \
  }                                                                                  \
  NS_IMETHOD GetPort(PRInt32* aPort) override {                                      \
    return _to GetPort(aPort);                                                       \
  }                                                                                  \
  NS_IMETHOD SetPort(PRInt32 aPort) override {                                       \
    return _to SetPort(aPort);                                                       \
  }                                                                                  \
  NS_IMETHOD GetPath(nsACString& aPath) override {                                   \
    return _to GetPath(aPath);                                                       \
  }                                                                                  \
  NS_IMETHOD SetPath(const nsACString& aPath) override {                             \
    return _to SetPath(aPath);                                                       \
  }                                                                                  \
  NS_IMETHOD Equals(nsIURI* other, PRBool* _retval) override {                       \
    return _to Equals(other, _retval);                                               \
  }                                                                                  \
  NS_IMETHOD SchemeIs(const char* scheme, PRBool* _retval) override {                \
    return _to SchemeIs(scheme, _retval);                                            \
  }                                                                                  \
  NS_IMETHOD Clone(nsIURI** _retval) override {                                      \
    return _to Clone(_retval);                                                       \
  }                                                                                  \
  NS_IMETHOD Resolve(const nsACString& relativePath, nsACString& _retval) override { \
    return _to Resolve(relativePath, _retval);                                       \
  }                                                                                  \
  NS_IMETHOD GetAsciiSpec(nsACString& aAsciiSpec) override {                         \
    return _to GetAsciiSpec(aAsciiSpec);                                             \
  }                                                                                  \
  NS_IMETHOD GetAsciiHost(nsACString& aAsciiHost) override {                         \
    return _to GetAsciiHost(aAsciiHost);                                             \
  }                                                                                  \
  NS_IMETHOD GetOriginCharset(nsACString& aOriginCharset) override {                 \
    return _to GetOriginCharset(aOriginCharset);                                     \
  }

#endif
