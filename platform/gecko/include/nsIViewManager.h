// Declares the part of nsIViewManager that this code base uses: the root view and the widget
// in which a presentation shell's views are drawn.
#ifndef nsIViewManager_h___
#define nsIViewManager_h___

#include "nsCoord.h"
#include "nsISupports.h"

class nsIView;
class nsIWidget;

#define NS_IVIEWMANAGER_IID                          \
  {                                                  \
    0x4e7c6ac6, 0x2695, 0x43af, {                    \
      0x83, 0x7d, 0xe3, 0x71, 0xa5, 0x4d, 0xdf, 0xb8 \
    }                                                \
  }

class nsIViewManager : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IVIEWMANAGER_IID)

  NS_IMETHOD GetRootView(nsIView*& aView) = 0;
  NS_IMETHOD SetRootView(nsIView* aView) = 0;
  // Size of the root view, in app units.
  NS_IMETHOD GetWindowDimensions(nscoord* aWidth, nscoord* aHeight) = 0;
  NS_IMETHOD SetWindowDimensions(nscoord aWidth, nscoord aHeight) = 0;
  // The widget of the root view: the widget that shows the document (a new reference).
  NS_IMETHOD GetWidget(nsIWidget** aWidget) = 0;
  // Paints whatever is waiting to be painted.
  NS_IMETHOD ForceUpdate() = 0;
  // The nearest widget at or above the root view (a new reference).
  NS_IMETHOD GetRootWidget(nsIWidget** aWidget) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIViewManager, NS_IVIEWMANAGER_IID)

#endif
