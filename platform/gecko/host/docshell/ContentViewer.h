// The content viewer of a document shell: it holds the document being shown and its
// presentation shell. A new one is made for each document the shell shows.
#ifndef GECKOHOST_DOCSHELL_CONTENTVIEWER_H
#define GECKOHOST_DOCSHELL_CONTENTVIEWER_H

#include "PresShell.h"
#include "XPCOMObject.h"
#include "dom/RefPtr.h"
#include "nsCOMPtr.h"
#include "nsIDocumentViewer.h"

namespace geckohost {

class DocShell;
class PageLoader;
class Widget;

namespace dom {
class Document;
}

class ContentViewer final : public XPCOMObject<nsIDocumentViewer> {
 public:
  // The page's pictures come through `loader` (the host's).
  ContentViewer(DocShell& container, RefPtr<dom::Document> document, Widget* widget,
                int appUnitsPerDevPixel, float zoom, const PageLoader& loader);

  dom::Document* document() const { return mDocument.get(); }
  nsIPresShell* presShell() const { return mPresShell.get(); }
  PresShell* presShellObject() const { return mPresShell.get(); }
  void zoomChanged(int appUnitsPerDevPixel, float zoom);

  // Takes the document out of the shell (it forgets its container) and releases it, with the
  // presentation shell. The viewer answers failures afterwards.
  void destroy();

  // nsIContentViewer
  NS_IMETHOD GetContainer(nsISupports** aContainer) override;
  NS_IMETHOD SetContainer(nsISupports* aContainer) override;
  NS_IMETHOD Destroy(void) override;
  NS_IMETHOD Stop(void) override;
  NS_IMETHOD GetDOMDocument(nsIDOMDocument** aDOMDocument) override;
  NS_IMETHOD SetDOMDocument(nsIDOMDocument* aDOMDocument) override;
  NS_IMETHOD GetBounds(nsIntRect& aBounds) override;
  NS_IMETHOD SetBounds(const nsIntRect& aBounds) override;
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) override;
  NS_IMETHOD Show(void) override;
  NS_IMETHOD Hide(void) override;
  // nsIDocumentViewer
  NS_IMETHOD GetDocument(nsIDocument** aResult) override;
  NS_IMETHOD GetPresShell(nsIPresShell** aResult) override;
  NS_IMETHOD GetPresContext(nsPresContext** aResult) override;

 protected:
  void* QueryExtraInterface(const nsIID& aIID) override;

 private:
  ~ContentViewer() override;

  DocShell* mContainer;  // weak; the shell owns us and calls destroy() before it goes
  RefPtr<dom::Document> mDocument;
  nsCOMPtr<PresShell> mPresShell;
  nsCOMPtr<Widget> mWidget;
};

}  // namespace geckohost

#endif
