#include "InnerWindow.h"

#include "OuterWindow.h"
#include "dom/Document.h"

namespace geckohost {

InnerWindow::InnerWindow(OuterWindow& outer, dom::Document* document)
    : mOuter(&outer), mDocument(document) {}

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
