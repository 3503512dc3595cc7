#include "ContentViewer.h"

#include "DocShell.h"
#include "DocumentFaces.h"
#include "Widget.h"
#include "dom/Document.h"
#include "nsError.h"
#include "nsIDOMDocument.h"
#include "nsIDocShell.h"
#include "nsIDocument.h"

namespace geckohost {

ContentViewer::ContentViewer(DocShell& container, RefPtr<dom::Document> document, Widget* widget,
                             int appUnitsPerDevPixel, float zoom, const PageLoader& loader)
    : mContainer(&container),
      mDocument(std::move(document)),
      mPresShell(new PresShell(*mDocument, widget, appUnitsPerDevPixel, zoom, loader)),
      mWidget(widget) {}

ContentViewer::~ContentViewer() {
  destroy();
}

void* ContentViewer::QueryExtraInterface(const nsIID& aIID) {
  if (aIID.Equals(NS_GET_IID(nsIContentViewer)))
    return static_cast<nsIContentViewer*>(this);
  return nullptr;
}

void ContentViewer::zoomChanged(int appUnitsPerDevPixel, float zoom) {
  if (mPresShell)
    mPresShell->zoomChanged(appUnitsPerDevPixel, zoom);
}

void ContentViewer::destroy() {
  if (mPresShell)
    mPresShell->destroy();
  mPresShell = nullptr;
  if (mDocument && mDocument->container() == mContainer)
    mDocument->setContainer(nullptr);
  mDocument = nullptr;
  mContainer = nullptr;
  mWidget = nullptr;
}

NS_IMETHODIMP ContentViewer::GetContainer(nsISupports** aContainer) {
  if (!aContainer)
    return NS_ERROR_NULL_POINTER;
  *aContainer = mContainer ? static_cast<nsIDocShell*>(mContainer) : nullptr;
  NS_IF_ADDREF(*aContainer);
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::SetContainer(nsISupports*) {
  // A viewer belongs to the shell that made it.
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP ContentViewer::Destroy(void) {
  destroy();
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::Stop(void) {
  if (!mContainer)
    return NS_ERROR_FAILURE;
  mContainer->completeLoad();
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::GetDOMDocument(nsIDOMDocument** aDOMDocument) {
  if (!aDOMDocument)
    return NS_ERROR_NULL_POINTER;
  *aDOMDocument = nullptr;
  faces::domDocument(mDocument.get()).forget(aDOMDocument);
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::SetDOMDocument(nsIDOMDocument*) {
  // Documents come to a viewer from its shell's loads only.
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP ContentViewer::GetBounds(nsIntRect& aBounds) {
  if (!mWidget)
    return NS_ERROR_FAILURE;
  aBounds = mWidget->bounds();
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::SetBounds(const nsIntRect& aBounds) {
  if (!mWidget)
    return NS_ERROR_FAILURE;
  return mWidget->Resize(aBounds.x, aBounds.y, aBounds.width, aBounds.height, PR_FALSE);
}

NS_IMETHODIMP ContentViewer::Move(PRInt32 aX, PRInt32 aY) {
  return mWidget ? mWidget->Move(aX, aY) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP ContentViewer::Show(void) {
  return mWidget ? mWidget->Show(PR_TRUE) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP ContentViewer::Hide(void) {
  return mWidget ? mWidget->Show(PR_FALSE) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP ContentViewer::GetDocument(nsIDocument** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = faces::geckoDocument(mDocument.get());
  NS_IF_ADDREF(*aResult);
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::GetPresShell(nsIPresShell** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = mPresShell.get();
  NS_IF_ADDREF(*aResult);
  return NS_OK;
}

NS_IMETHODIMP ContentViewer::GetPresContext(nsPresContext** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;  // no presentation contexts here; layout has its own state
}

}  // namespace geckohost
