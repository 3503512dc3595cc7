#include "PresShell.h"

#include "DocumentFaces.h"
#include "PageLoader.h"
#include "Widget.h"
#include "dom/Document.h"
#include "dom/Node.h"
#include "nsIContent.h"

namespace geckohost {

PresShell::PresShell(dom::Document& document, Widget* widget, int appUnitsPerDevPixel, float zoom,
                     const PageLoader& loader)
    : mDocument(&document),
      mViewManager(new ViewManager(widget, appUnitsPerDevPixel)),
      mWidget(widget) {
  if (widget && document.kind() == dom::DocumentKind::HTML) {
    // The loader is the host's, which outlives every shell.
    mLayout = std::make_unique<layout::DocumentLayout>(
        document, [&loader](const std::string& url, size_t maxBytes) {
          return loader.loadBytes(url, maxBytes);
        });
    mLayout->setZoom(zoom);
  }
}

PresShell::~PresShell() {
  destroy();
}

layout::DocumentLayout* PresShell::layout() const {
  if (!mLayout || !mWidget || mWidget->isDestroyed())
    return nullptr;
  nsIntRect bounds = mWidget->bounds();
  mLayout->setViewportSize(nsIntSize(bounds.width, bounds.height));
  return mLayout.get();
}

void PresShell::zoomChanged(int appUnitsPerDevPixel, float zoom) {
  if (mViewManager)
    mViewManager->updateRootBounds(appUnitsPerDevPixel);
  if (mLayout)
    mLayout->setZoom(zoom);
}

void PresShell::destroy() {
  // The layout's boxes point into the document: they go first.
  mLayout = nullptr;
  if (mViewManager)
    mViewManager->destroy();
  mViewManager = nullptr;
  mWidget = nullptr;
  mDocument = nullptr;
}

nsIDocument* PresShell::GetDocument() const {
  return faces::geckoDocument(mDocument);
}

nsIViewManager* PresShell::GetViewManager() const {
  return mViewManager.get();
}

nsIFrame* PresShell::GetRootFrame() const {
  layout::DocumentLayout* pageLayout = layout();
  return pageLayout ? pageLayout->rootFrame() : nullptr;
}

nsIFrame* PresShell::GetPrimaryFrameFor(nsIContent* aContent) const {
  layout::DocumentLayout* pageLayout = layout();
  dom::Node* node = aContent ? dom::Node::fromDOM(aContent) : nullptr;
  return pageLayout && node ? pageLayout->primaryFrameFor(*node) : nullptr;
}

}  // namespace geckohost
