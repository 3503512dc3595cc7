// The JavaScript context of one inner window: nsIScriptContext over the page's ScriptHeap.
// The inner window makes it when its page is shown and calls destroyHeap() when the page
// unloads; a context held past that answers failures.
//
// EvaluateString's result is the completion value converted as String() does; for undefined
// it stays empty and *aIsUndefined is true (Gecko 1.9.2 left it empty too). A syntax or runtime
// error fails with NS_ERROR_FAILURE and an empty result.
#ifndef GECKOHOST_SCRIPT_SCRIPTCONTEXT_H
#define GECKOHOST_SCRIPT_SCRIPTCONTEXT_H

#include <memory>

#include "XPCOMObject.h"
#include "nsIScriptContext.h"
#include "script/ScriptEnvironment.h"

namespace geckohost {

namespace dom {
class Document;
}

namespace script {

class ScriptHeap;

class ScriptContext final : public XPCOMObject<nsIScriptContext> {
 public:
  ScriptContext(nsIScriptGlobalObject& global, dom::Document& document,
                ScriptEnvironment& environment);

  // The page's heap; null once the page went.
  ScriptHeap* heap() const { return mHeap.get(); }
  void destroyHeap();

  // nsIScriptContext
  PRUint32 GetScriptTypeID() override;
  nsresult EvaluateString(const nsAString& aScript, void* aScopeObject, nsIPrincipal* aPrincipal,
                          const char* aURL, PRUint32 aLineNo, PRUint32 aVersion,
                          nsAString* aRetValue, PRBool* aIsUndefined) override;
  nsIScriptGlobalObject* GetGlobalObject() override { return mGlobal; }
  void* GetNativeContext() override;
  void* GetNativeGlobal() override;

 private:
  ~ScriptContext() override;

  nsIScriptGlobalObject* mGlobal;  // weak; the inner window owns us and clears this
  std::unique_ptr<ScriptHeap> mHeap;
};

}  // namespace script
}  // namespace geckohost

#endif
