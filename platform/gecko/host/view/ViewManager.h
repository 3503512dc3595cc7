// The view manager of a presentation shell: the root view, sized like the widget the document
// is shown in, and that widget.
//
//   nsCOMPtr<ViewManager> views = new ViewManager(contentWidget, 60);
//   views->GetWidget(...)   → contentWidget, the widget the product walks up from
#ifndef GECKOHOST_VIEW_VIEWMANAGER_H
#define GECKOHOST_VIEW_VIEWMANAGER_H

#include <memory>

#include "View.h"
#include "XPCOMObject.h"
#include "nsIViewManager.h"

namespace geckohost {

class Widget;

class ViewManager final : public XPCOMObject<nsIViewManager> {
 public:
  // A root view covering `widget` (which may be null for a document shown nowhere), with
  // `appUnitsPerDevPixel` app units to a device pixel (60 at 100 % zoom).
  ViewManager(Widget* widget, int appUnitsPerDevPixel);

  View* rootView() const { return mRoot.get(); }
  Widget* widget() const;

  // Sizes the root view to the widget again (after the widget or the zoom changed).
  void updateRootBounds(int appUnitsPerDevPixel);

  // Releases the views and with them the widget; the manager answers failures afterwards.
  void destroy();

  // nsIViewManager
  NS_IMETHOD GetRootView(nsIView*& aView) override;
  NS_IMETHOD SetRootView(nsIView* aView) override;
  NS_IMETHOD GetWindowDimensions(nscoord* aWidth, nscoord* aHeight) override;
  NS_IMETHOD SetWindowDimensions(nscoord aWidth, nscoord aHeight) override;
  NS_IMETHOD GetWidget(nsIWidget** aWidget) override;
  NS_IMETHOD ForceUpdate() override;
  NS_IMETHOD GetRootWidget(nsIWidget** aWidget) override;

 private:
  ~ViewManager() override;

  std::unique_ptr<View> mRoot;  // null once destroyed
};

}  // namespace geckohost

#endif
