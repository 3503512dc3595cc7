#include "PresShell.h"

#include "DocumentFaces.h"

namespace geckohost {

PresShell::PresShell(dom::Document& document, Widget* widget, int appUnitsPerDevPixel)
    : mDocument(&document), mViewManager(new ViewManager(widget, appUnitsPerDevPixel)) {}

PresShell::~PresShell() {
  destroy();
}

void PresShell::zoomChanged(int appUnitsPerDevPixel) {
  if (mViewManager)
    mViewManager->updateRootBounds(appUnitsPerDevPixel);
}

void PresShell::destroy() {
  if (mViewManager)
    mViewManager->destroy();
  mViewManager = nullptr;
  mDocument = nullptr;
}

nsIDocument* PresShell::GetDocument() const {
  return faces::geckoDocument(mDocument);
}

nsIViewManager* PresShell::GetViewManager() const {
  return mViewManager.get();
}

nsIFrame* PresShell::GetRootFrame() const {
  return nullptr;
}

nsIFrame* PresShell::GetPrimaryFrameFor(nsIContent*) const {
  return nullptr;  // no frames before layout
}

}  // namespace geckohost
