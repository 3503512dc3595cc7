// Declares the part of nsIScriptGlobalObject that this code base uses: the script global of
// an inner window, its script context per language and its global object. Reached from
// nsIDocument::GetScriptGlobalObject.
#ifndef nsIScriptGlobalObject_h__
#define nsIScriptGlobalObject_h__

#include "nsIProgrammingLanguage.h"
#include "nsISupports.h"

class nsIScriptContext;
struct JSObject;

#define NS_ISCRIPTGLOBALOBJECT_IID                   \
  {                                                  \
    0x12c0835b, 0xd77e, 0x4c1a, {                    \
      0x8b, 0x49, 0xa0, 0x66, 0x74, 0x47, 0x6d, 0xef \
    }                                                \
  }

class nsIScriptGlobalObject : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISCRIPTGLOBALOBJECT_IID)

  // Makes the context and global of a language exist.
  virtual nsresult EnsureScriptEnvironment(PRUint32 aLangID) = 0;
  // The context of a language (an nsIProgrammingLanguage number), null when there is none.
  virtual nsIScriptContext* GetScriptContext(PRUint32 lang) = 0;
  // The language's global object, as the engine knows it.
  virtual void* GetScriptGlobal(PRUint32 lang) = 0;

  nsIScriptContext* GetContext() { return GetScriptContext(nsIProgrammingLanguage::JAVASCRIPT); }
  JSObject* GetGlobalJSObject() {
    return static_cast<JSObject*>(GetScriptGlobal(nsIProgrammingLanguage::JAVASCRIPT));
  }

  virtual nsresult SetScriptContext(PRUint32 lang, nsIScriptContext* aContext) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIScriptGlobalObject, NS_ISCRIPTGLOBALOBJECT_IID)

#endif
