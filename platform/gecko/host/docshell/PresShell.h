// The presentation shell of a shown document: its view manager and, once layout exists, its
// frames. Until then it answers as Gecko does before the first reflow: no root frame and no
// primary frames.
#ifndef GECKOHOST_DOCSHELL_PRESSHELL_H
#define GECKOHOST_DOCSHELL_PRESSHELL_H

#include "ViewManager.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIPresShell.h"

namespace geckohost {

class LayoutQuery;
class Widget;

namespace dom {
class Document;
}

class PresShell final : public XPCOMObject<nsIPresShell> {
 public:
  // Shows `document` in `widget` (may be null), at `appUnitsPerDevPixel`.
  PresShell(dom::Document& document, Widget* widget, int appUnitsPerDevPixel);

  ViewManager* viewManager() const { return mViewManager.get(); }
  // Layout answers; null while the document is not laid out.
  LayoutQuery* layout() const { return nullptr; }
  void zoomChanged(int appUnitsPerDevPixel);
  // Lets go of the views (and so of the widget) and of the document.
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
};

}  // namespace geckohost

#endif
