// Declares the part of nsIScriptContext that this code base uses: evaluating script text in
// a window's script context. Reached from the window's nsIScriptGlobalObject.
#ifndef nsIScriptContext_h__
#define nsIScriptContext_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIPrincipal;
class nsIScriptGlobalObject;

#define NS_ISCRIPTCONTEXT_IID                        \
  {                                                  \
    0x7cca2a43, 0xd59a, 0x4f67, {                    \
      0xb7, 0xa1, 0xa7, 0xc7, 0xd8, 0xe4, 0x7d, 0xfb \
    }                                                \
  }

class nsIScriptContext : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISCRIPTCONTEXT_IID)

  // The nsIProgrammingLanguage number of the context's language.
  virtual PRUint32 GetScriptTypeID() = 0;

  // Runs aScript in the scope object (the window's global object, GetGlobalJSObject) with
  // the rights of aPrincipal. aURL and aLineNo name the source in error reports; aVersion 0
  // is the default language version. When aRetValue is given it receives the result
  // converted to a string (empty for undefined, then *aIsUndefined is true). A script that
  // throws makes the call fail with an empty result.
  virtual nsresult EvaluateString(const nsAString& aScript, void* aScopeObject,
                                  nsIPrincipal* aPrincipal, const char* aURL, PRUint32 aLineNo,
                                  PRUint32 aVersion, nsAString* aRetValue,
                                  PRBool* aIsUndefined) = 0;

  virtual nsIScriptGlobalObject* GetGlobalObject() = 0;
  // The engine's own context and global object.
  virtual void* GetNativeContext() = 0;
  virtual void* GetNativeGlobal() = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIScriptContext, NS_ISCRIPTCONTEXT_IID)

#endif
