// The presentation shell of a shown document: its view manager and, for an HTML page, its
// layout, which answers the DOM's geometry questions and hands out the frames. A XUL document
// is laid out by its window's chrome layout instead, so its shell has no frames.
#ifndef GECKOHOST_DOCSHELL_PRESSHELL_H
#define GECKOHOST_DOCSHELL_PRESSHELL_H

#include <memory>

#include "ViewManager.h"
#include "XPCOMObject.h"
#include "layout/DocumentLayout.h"
#include "nsCOMPtr.h"
#include "nsIPresShell.h"

namespace geckohost {

class PageLoader;
class Widget;

namespace dom {
class Document;
}

class PresShell final : public XPCOMObject<nsIPresShell> {
 public:
  // Shows `document` in `widget` (may be null), at `zoom` device pixels per CSS pixel
  // (`appUnitsPerDevPixel` for the views); the page's pictures come through `loader`.
  PresShell(dom::Document& document, Widget* widget, int appUnitsPerDevPixel, float zoom,
            const PageLoader& loader);

  ViewManager* viewManager() const { return mViewManager.get(); }
  // The page's layout, its viewport brought to the widget's current size; null for a XUL
  // document or a shell without a widget.
  layout::DocumentLayout* layout() const;
  void zoomChanged(int appUnitsPerDevPixel, float zoom);
  // Lets go of the layout, the views (and so of the widget) and of the document.
  void destroy();

  // nsIPresShell
  nsIDocument* GetDocument() const override;
  nsIViewManager* GetViewManager() const override;
  nsIFrame* GetRootFrame() const override;
  nsIFrame* GetPrimaryFrameFor(nsIContent* aContent) const override;

 private:
  ~PresShell() override;

  dom::Document* mDocument;  // weak; the content viewer owns the document and us
  nsCOMPtr<ViewManager> mViewManager;
  nsCOMPtr<Widget> mWidget;
  std::unique_ptr<layout::DocumentLayout> mLayout;
};

}  // namespace geckohost

#endif
