#include "InnerWindow.h"

#include "OuterWindow.h"
#include "dom/Document.h"
#include "nsIProgrammingLanguage.h"
#include "script/ScriptHeap.h"

namespace geckohost {

InnerWindow::InnerWindow(OuterWindow& outer, dom::Document* document,
                         script::ScriptEnvironment* environment)
    : mOuter(&outer), mDocument(document) {
  if (!environment || !document)
    return;
  mScript = new script::ScriptContext(*this, *document, *environment);
  mScriptContexts[nsIProgrammingLanguage::JAVASCRIPT] = mScript.get();
}

InnerWindow::~InnerWindow() {
  unload();
}

void InnerWindow::unload() {
  mScriptContexts.clear();
  if (mScript)
    mScript->destroyHeap();
  mScript = nullptr;
}

script::ScriptHeap* InnerWindow::scriptHeap() const {
  return mScript ? mScript->heap() : nullptr;
}

bool InnerWindow::isCurrent() const {
  return mOuter->currentInner() == this;
}

DocShell* InnerWindow::shell() const {
  return isCurrent() ? mOuter->shell() : nullptr;
}

nsPIDOMWindow* InnerWindow::GetOuterWindow() {
  return mOuter.get();
}

nsPIDOMWindow* InnerWindow::GetCurrentInnerWindow() const {
  return mOuter->currentInner();
}

}  // namespace geckohost
