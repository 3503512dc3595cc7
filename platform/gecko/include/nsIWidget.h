// Declares the part of nsIWidget that this code base uses: a native window of the toolkit
// (under GTK, a GdkWindow over an X window) in the tree of widgets: bounds, visibility, the
// native handles, and its offset from the screen origin. Coordinates are device pixels;
// a top-level widget's bounds are screen coordinates, a child's are relative to its parent.
#ifndef nsIWidget_h__
#define nsIWidget_h__

#include "nsISupports.h"
#include "nsPoint.h"
#include "nsRect.h"
#include "nsStringAPI.h"

// What GetNativeData answers. Under GTK on X11 NS_NATIVE_WINDOW is the GdkWindow* and
// NS_NATIVE_PLUGIN_PORT the X window id, as a pointer-sized integer.
#define NS_NATIVE_WINDOW 0
#define NS_NATIVE_GRAPHIC 1
#define NS_NATIVE_TMP_WINDOW 2
#define NS_NATIVE_WIDGET 3
#define NS_NATIVE_DISPLAY 4
#define NS_NATIVE_REGION 5
#define NS_NATIVE_OFFSETX 6
#define NS_NATIVE_OFFSETY 7
#define NS_NATIVE_PLUGIN_PORT 8
#define NS_NATIVE_SCREEN 9
#define NS_NATIVE_SHELLWIDGET 10

#define NS_IWIDGET_IID                               \
  {                                                  \
    0x5261ddc5, 0x7805, 0x488f, {                    \
      0x92, 0x53, 0x97, 0xfa, 0xa3, 0xd9, 0x11, 0xdb \
    }                                                \
  }

class nsIWidget : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IWIDGET_IID)

  // For the widget of a view: the nsIView.
  NS_IMETHOD GetClientData(void*& aClientData) = 0;
  NS_IMETHOD SetClientData(void* aClientData) = 0;
  NS_IMETHOD Destroy(void) = 0;
  NS_IMETHOD SetParent(nsIWidget* aNewParent) = 0;
  // The parent widget, null for a top-level widget (not referenced for the caller).
  virtual nsIWidget* GetParent(void) = 0;
  virtual nsIWidget* GetFirstChild() const = 0;
  virtual nsIWidget* GetLastChild() const = 0;
  virtual nsIWidget* GetNextSibling() const = 0;
  virtual nsIWidget* GetPrevSibling() const = 0;
  NS_IMETHOD Show(PRBool aState) = 0;
  NS_IMETHOD IsVisible(PRBool& aState) = 0;
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) = 0;
  NS_IMETHOD Resize(PRInt32 aWidth, PRInt32 aHeight, PRBool aRepaint) = 0;
  NS_IMETHOD Resize(PRInt32 aX, PRInt32 aY, PRInt32 aWidth, PRInt32 aHeight, PRBool aRepaint) = 0;
  NS_IMETHOD Enable(PRBool aState) = 0;
  NS_IMETHOD IsEnabled(PRBool* aState) = 0;
  NS_IMETHOD SetFocus(PRBool aRaise = PR_FALSE) = 0;
  // Position (relative to the parent, or on the screen for a top-level widget) and size.
  NS_IMETHOD GetBounds(nsIntRect& aRect) = 0;
  // Position on the screen and size.
  NS_IMETHOD GetScreenBounds(nsIntRect& aRect) = 0;
  // The area inside the widget's border, relative to the widget: its origin is (0, 0) for a
  // widget without a border.
  NS_IMETHOD GetClientBounds(nsIntRect& aRect) = 0;
  NS_IMETHOD Invalidate(const nsIntRect& aRect, PRBool aIsSynchronous) = 0;
  NS_IMETHOD Update() = 0;
  // One of the NS_NATIVE_* handles; null when the widget has none of that kind.
  virtual void* GetNativeData(PRUint32 aDataType) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  // The screen position of the widget's origin.
  virtual nsIntPoint WidgetToScreenOffset() = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIWidget, NS_IWIDGET_IID)

#endif
