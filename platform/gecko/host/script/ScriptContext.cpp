#include "script/ScriptContext.h"

#include "dom/Document.h"
#include "dom/XPCOMHelpers.h"
#include "nsError.h"
#include "nsIProgrammingLanguage.h"
#include "script/ScriptHeap.h"
#include "script/ScriptLog.h"

namespace geckohost::script {

ScriptContext::ScriptContext(nsIScriptGlobalObject& global, dom::Document& document,
                             ScriptEnvironment& environment)
    : mGlobal(&global), mHeap(std::make_unique<ScriptHeap>(document, environment)) {}

ScriptContext::~ScriptContext() = default;

void ScriptContext::destroyHeap() {
  mHeap.reset();
  mGlobal = nullptr;
}

PRUint32 ScriptContext::GetScriptTypeID() {
  return nsIProgrammingLanguage::JAVASCRIPT;
}

nsresult ScriptContext::EvaluateString(const nsAString& aScript, void*, nsIPrincipal*,
                                       const char* aURL, PRUint32, PRUint32, nsAString* aRetValue,
                                       PRBool* aIsUndefined) {
  if (aRetValue)
    aRetValue->Truncate();
  if (aIsUndefined)
    *aIsUndefined = PR_TRUE;
  if (!mHeap)
    return NS_ERROR_NOT_AVAILABLE;
  std::string fileName = aURL ? aURL : mHeap->document().url().spec();
  ScriptHeap::Result result = mHeap->evaluate(dom::toU16(aScript), fileName);
  if (!result.ok) {
    ScriptLog::error(result.error);
    return NS_ERROR_FAILURE;
  }
  if (aRetValue)
    dom::setString(*aRetValue, result.text);
  if (aIsUndefined)
    *aIsUndefined = result.undefined ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

void* ScriptContext::GetNativeContext() {
  return mHeap ? mHeap->context() : nullptr;
}

void* ScriptContext::GetNativeGlobal() {
  return mHeap ? mHeap->globalObject() : nullptr;
}

}  // namespace geckohost::script
