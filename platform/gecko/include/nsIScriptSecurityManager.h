// Declares the part of nsIScriptSecurityManager that this code base uses: the principals
// under which script runs. Left out: the access checks and capabilities (in Gecko the
// interface also derives from nsIXPCSecurityManager, which this code base never asks for).
#ifndef __gen_nsIScriptSecurityManager_h__
#define __gen_nsIScriptSecurityManager_h__

#include "nsISupports.h"

class nsIPrincipal;
class nsIURI;

#define NS_ISCRIPTSECURITYMANAGER_IID_STR "219e0cb3-1c43-4b0b-81cc-3f4856ee1590"

#define NS_ISCRIPTSECURITYMANAGER_IID                \
  {                                                  \
    0x219e0cb3, 0x1c43, 0x4b0b, {                    \
      0x81, 0xcc, 0x3f, 0x48, 0x56, 0xee, 0x15, 0x90 \
    }                                                \
  }

class nsIScriptSecurityManager : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISCRIPTSECURITYMANAGER_IID)

  NS_IMETHOD GetSubjectPrincipal(nsIPrincipal** _retval) = 0;
  // The principal of chrome code, allowed everything.
  NS_IMETHOD GetSystemPrincipal(nsIPrincipal** _retval) = 0;
  NS_IMETHOD GetCodebasePrincipal(nsIURI* aURI, nsIPrincipal** _retval) = 0;
  NS_IMETHOD SubjectPrincipalIsSystem(PRBool* _retval) = 0;
  NS_IMETHOD IsSystemPrincipal(nsIPrincipal* aPrincipal, PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIScriptSecurityManager, NS_ISCRIPTSECURITYMANAGER_IID)

// Declares every method of nsIScriptSecurityManager in a class that implements it.
#define NS_DECL_NSISCRIPTSECURITYMANAGER                                          \
  NS_IMETHOD GetSubjectPrincipal(nsIPrincipal** _retval) override;                \
  NS_IMETHOD GetSystemPrincipal(nsIPrincipal** _retval) override;                 \
  NS_IMETHOD GetCodebasePrincipal(nsIURI* aURI, nsIPrincipal** _retval) override; \
  NS_IMETHOD SubjectPrincipalIsSystem(PRBool* _retval) override;                  \
  NS_IMETHOD IsSystemPrincipal(nsIPrincipal* aPrincipal, PRBool* _retval) override;

// Implements every method of nsIScriptSecurityManager by calling the same method of _to.
#define NS_FORWARD_NSISCRIPTSECURITYMANAGER(_to)                                     \
  NS_IMETHOD GetSubjectPrincipal(nsIPrincipal** _retval) override {                  \
    return _to GetSubjectPrincipal(_retval);                                         \
  }                                                                                  \
  NS_IMETHOD GetSystemPrincipal(nsIPrincipal** _retval) override {                   \
    return _to GetSystemPrincipal(_retval);                                          \
  }                                                                                  \
  NS_IMETHOD GetCodebasePrincipal(nsIURI* aURI, nsIPrincipal** _retval) override {   \
    return _to GetCodebasePrincipal(aURI, _retval);                                  \
  }                                                                                  \
  NS_IMETHOD SubjectPrincipalIsSystem(PRBool* _retval) override {                    \
    return _to SubjectPrincipalIsSystem(_retval);                                    \
  }                                                                                  \
  NS_IMETHOD IsSystemPrincipal(nsIPrincipal* aPrincipal, PRBool* _retval) override { \
    return _to IsSystemPrincipal(aPrincipal, _retval);                               \
  }

#define NS_SCRIPTSECURITYMANAGER_CONTRACTID "@mozilla.org/scriptsecuritymanager;1"

#endif
