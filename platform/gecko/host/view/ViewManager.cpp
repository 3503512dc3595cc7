#include "ViewManager.h"

#include "Widget.h"
#include "nsError.h"

namespace geckohost {

namespace {

nsRect rootBoundsFor(Widget* widget, int appUnitsPerDevPixel) {
  if (!widget)
    return nsRect();
  nsIntRect bounds = widget->bounds();
  return nsRect(0, 0, bounds.width * appUnitsPerDevPixel, bounds.height * appUnitsPerDevPixel);
}

}  // namespace

ViewManager::ViewManager(Widget* widget, int appUnitsPerDevPixel)
    : mRoot(std::make_unique<View>(*this, nullptr, rootBoundsFor(widget, appUnitsPerDevPixel))) {
  mRoot->attachWidget(widget);
}

ViewManager::~ViewManager() {
  destroy();
}

Widget* ViewManager::widget() const {
  return mRoot ? mRoot->widget() : nullptr;
}

void ViewManager::updateRootBounds(int appUnitsPerDevPixel) {
  if (mRoot)
    mRoot->setBounds(rootBoundsFor(mRoot->widget(), appUnitsPerDevPixel));
}

void ViewManager::destroy() {
  if (!mRoot)
    return;
  mRoot->detach();
  mRoot.reset();
}

NS_IMETHODIMP ViewManager::GetRootView(nsIView*& aView) {
  aView = mRoot.get();
  return mRoot ? NS_OK : NS_ERROR_NOT_AVAILABLE;
}

NS_IMETHODIMP ViewManager::SetRootView(nsIView* aView) {
  // The root view is made with the manager and stays; only that same view is accepted.
  return aView && aView == mRoot.get() ? NS_OK : NS_ERROR_INVALID_ARG;
}

NS_IMETHODIMP ViewManager::GetWindowDimensions(nscoord* aWidth, nscoord* aHeight) {
  if (!aWidth || !aHeight)
    return NS_ERROR_NULL_POINTER;
  nsRect bounds = mRoot ? mRoot->GetBounds() : nsRect();
  *aWidth = bounds.width;
  *aHeight = bounds.height;
  return mRoot ? NS_OK : NS_ERROR_NOT_AVAILABLE;
}

NS_IMETHODIMP ViewManager::SetWindowDimensions(nscoord aWidth, nscoord aHeight) {
  if (!mRoot)
    return NS_ERROR_NOT_AVAILABLE;
  if (aWidth < 0 || aHeight < 0)
    return NS_ERROR_INVALID_ARG;
  nsRect bounds = mRoot->GetBounds();
  bounds.SizeTo(aWidth, aHeight);
  mRoot->setBounds(bounds);
  return NS_OK;
}

NS_IMETHODIMP ViewManager::GetWidget(nsIWidget** aWidget) {
  if (!aWidget)
    return NS_ERROR_NULL_POINTER;
  *aWidget = widget();
  NS_IF_ADDREF(*aWidget);
  return NS_OK;
}

NS_IMETHODIMP ViewManager::ForceUpdate() {
  // Painting of documents arrives with the painter; until then there is nothing pending.
  return mRoot ? NS_OK : NS_ERROR_NOT_AVAILABLE;
}

NS_IMETHODIMP ViewManager::GetRootWidget(nsIWidget** aWidget) {
  return GetWidget(aWidget);
}

}  // namespace geckohost
