// Evaluating script in a shown page through its XPCOM faces, as the product does: the
// document's script global object, its JavaScript context, EvaluateString.
#ifndef TESTS_PLATFORM_GECKO_HOST_SCRIPT_SCRIPTEVALUATION_H
#define TESTS_PLATFORM_GECKO_HOST_SCRIPT_SCRIPTEVALUATION_H

#include <string>

#include "nsCOMPtr.h"
#include "nsIDOMDocument.h"
#include "nsIDocument.h"
#include "nsIScriptContext.h"
#include "nsIScriptGlobalObject.h"
#include "nsStringAPI.h"

struct Evaluation {
  nsresult rv = NS_ERROR_FAILURE;
  std::string text;
  bool undefined = false;
};

inline nsCOMPtr<nsIScriptContext> scriptContextOf(nsIDOMDocument* document) {
  nsCOMPtr<nsIDocument> gecko = do_QueryInterface(document);
  nsIScriptGlobalObject* global = gecko ? gecko->GetScriptGlobalObject() : nullptr;
  if (!global || NS_FAILED(global->EnsureScriptEnvironment(nsIProgrammingLanguage::JAVASCRIPT)))
    return nullptr;
  return global->GetContext();
}

inline Evaluation evaluate(nsIScriptContext* context, const std::string& script) {
  Evaluation result;
  if (!context)
    return result;
  nsString value;
  value.AssignLiteral("stale");
  PRBool undefined = PR_FALSE;
  result.rv =
      context->EvaluateString(NS_ConvertUTF8toUTF16(script.c_str()), context->GetNativeGlobal(),
                              nullptr, "test", 1, 0, &value, &undefined);
  result.text = NS_ConvertUTF16toUTF8(value).get();
  result.undefined = undefined != PR_FALSE;
  return result;
}

inline Evaluation evaluate(nsIDOMDocument* document, const std::string& script) {
  return evaluate(scriptContextOf(document), script);
}

#endif
