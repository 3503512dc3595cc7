#include "OuterWindow.h"

#include "DocShell.h"
#include "dom/Document.h"

namespace geckohost {

void OuterWindow::setDocument(dom::Document* document) {
  mInner = document ? new InnerWindow(*this, document) : nullptr;
}

void OuterWindow::detach() {
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
