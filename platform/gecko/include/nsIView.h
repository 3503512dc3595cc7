// Declares the part of nsIView that this code base uses. A view is a rectangle of a view
// manager's tree, optionally with its own widget; the frame that owns a view is its client
// data, and the view attached to a widget is the widget's client data. Views are not XPCOM
// objects and are not reference counted; their view manager owns them.
#ifndef nsIView_h___
#define nsIView_h___

#include "nsISupports.h"
#include "nsPoint.h"
#include "nsRect.h"

class nsIViewManager;
class nsIWidget;

#define NS_IVIEW_IID                                 \
  {                                                  \
    0xe1149644, 0xbec4, 0x42a2, {                    \
      0x8b, 0xba, 0x46, 0xcb, 0xd9, 0x72, 0x28, 0x71 \
    }                                                \
  }

class nsIView {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IVIEW_IID)

  virtual nsIViewManager* GetViewManager() const = 0;
  // Position relative to the parent view, in app units.
  virtual nsPoint GetPosition() const = 0;
  virtual nsRect GetBounds() const = 0;
  virtual nsIView* GetParent() const = 0;
  virtual nsIView* GetFirstChild() const = 0;
  virtual nsIView* GetNextSibling() const = 0;
  virtual void SetClientData(void* aData) = 0;
  // For a view made by layout: the nsIFrame that owns it.
  virtual void* GetClientData() const = 0;
  // The view's own widget, null for most views.
  virtual nsIWidget* GetWidget() const = 0;
  virtual PRBool HasWidget() const = 0;

 protected:
  ~nsIView() = default;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIView, NS_IVIEW_IID)

#endif
