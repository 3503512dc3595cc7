#include "OuterWindow.h"

#include "DocShell.h"
#include "dom/Document.h"

namespace geckohost {

void OuterWindow::setDocument(dom::Document* document, script::ScriptEnvironment* environment) {
  unloadCurrent();
  mInner = document ? new InnerWindow(*this, document, environment) : nullptr;
}

void OuterWindow::unloadCurrent() {
  if (mInner)
    mInner->unload();
}

void OuterWindow::detach() {
  unloadCurrent();
  mShell = nullptr;
  mInner = nullptr;
  mOpener = nullptr;
}

dom::Document* OuterWindow::document() const {
  return mInner ? mInner->document() : nullptr;
}

nsIDocShell* OuterWindow::GetDocShell() {
  return mShell;
}

}  // namespace geckohost
