// A window-like object with a position, size, visibility and title: a XUL window or a
// document shell. The main widget of a top-level XUL window is its top-level native widget.
#ifndef __gen_nsIBaseWindow_h__
#define __gen_nsIBaseWindow_h__

#include "nsISupports.h"

class nsIWidget;

// A native window handle of the platform (a GdkWindow* under GTK).
typedef void* nativeWindow;

#define NS_IBASEWINDOW_IID_STR "046bc8a0-8015-11d3-af70-00a024ffc08c"

#define NS_IBASEWINDOW_IID                           \
  {                                                  \
    0x046bc8a0, 0x8015, 0x11d3, {                    \
      0xaf, 0x70, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c \
    }                                                \
  }

class nsIBaseWindow : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IBASEWINDOW_IID)

  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x,
                        PRInt32 y, PRInt32 cx, PRInt32 cy) = 0;
  NS_IMETHOD Create(void) = 0;
  NS_IMETHOD Destroy(void) = 0;
  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) = 0;
  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) = 0;
  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) = 0;
  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) = 0;
  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) = 0;
  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) = 0;
  NS_IMETHOD Repaint(PRBool force) = 0;
  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) = 0;
  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) = 0;
  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) = 0;
  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) = 0;
  NS_IMETHOD GetVisibility(PRBool* aVisibility) = 0;
  NS_IMETHOD SetVisibility(PRBool aVisibility) = 0;
  NS_IMETHOD GetEnabled(PRBool* aEnabled) = 0;
  NS_IMETHOD SetEnabled(PRBool aEnabled) = 0;
  NS_IMETHOD GetBlurSuppression(PRBool* aBlurSuppression) = 0;
  NS_IMETHOD SetBlurSuppression(PRBool aBlurSuppression) = 0;
  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) = 0;
  NS_IMETHOD SetFocus(void) = 0;
  NS_IMETHOD GetTitle(PRUnichar** aTitle) = 0;
  NS_IMETHOD SetTitle(const PRUnichar* aTitle) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIBaseWindow, NS_IBASEWINDOW_IID)

// Declares every method of nsIBaseWindow in a class that implements it.
#define NS_DECL_NSIBASEWINDOW                                                                  \
  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x,   \
                        PRInt32 y, PRInt32 cx, PRInt32 cy) override;                           \
  NS_IMETHOD Create(void) override;                                                            \
  NS_IMETHOD Destroy(void) override;                                                           \
  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) override;                                       \
  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) override;                                     \
  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) override;                        \
  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) override;                                       \
  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) \
      override;                                                                                \
  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) override;    \
  NS_IMETHOD Repaint(PRBool force) override;                                                   \
  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) override;                              \
  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) override;                               \
  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) override;                \
  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) override;                 \
  NS_IMETHOD GetVisibility(PRBool* aVisibility) override;                                      \
  NS_IMETHOD SetVisibility(PRBool aVisibility) override;                                       \
  NS_IMETHOD GetEnabled(PRBool* aEnabled) override;                                            \
  NS_IMETHOD SetEnabled(PRBool aEnabled) override;                                             \
  NS_IMETHOD GetBlurSuppression(PRBool* aBlurSuppression) override;                            \
  NS_IMETHOD SetBlurSuppression(PRBool aBlurSuppression) override;                             \
  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) override;                                  \
  NS_IMETHOD SetFocus(void) override;                                                          \
  NS_IMETHOD GetTitle(PRUnichar** aTitle) override;                                            \
  NS_IMETHOD SetTitle(const PRUnichar* aTitle) override;

// Implements every method of nsIBaseWindow by calling the same method of _to.
#define NS_FORWARD_NSIBASEWINDOW(_to)                                                          \
  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x,   \
                        PRInt32 y, PRInt32 cx, PRInt32 cy) override {                          \
    return _to InitWindow(parentNativeWindow, parentWidget, x, y, cx, cy);                     \
  }                                                                                            \
  NS_IMETHOD Create(void) override {                                                           \
    return _to Create();                                                                       \
  }                                                                                            \
  NS_IMETHOD Destroy(void) override {                                                          \
    return _to Destroy();                                                                      \
  }                                                                                            \
  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) override {                                      \
    return _to SetPosition(x, y);                                                              \
  }                                                                                            \
  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) override {                                    \
    return _to GetPosition(x, y);                                                              \
  }                                                                                            \
  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) override {                       \
    return _to SetSize(cx, cy, fRepaint);                                                      \
  }                                                                                            \
  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) override {                                      \
    return _to GetSize(cx, cy);                                                                \
  }                                                                                            \
  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) \
      override {                                                                               \
    return _to SetPositionAndSize(x, y, cx, cy, fRepaint);                                     \
  }                                                                                            \
  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) override {   \
    return _to GetPositionAndSize(x, y, cx, cy);                                               \
  }                                                                                            \
  NS_IMETHOD Repaint(PRBool force) override {                                                  \
    return _to Repaint(force);                                                                 \
  }                                                                                            \
  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) override {                             \
    return _to GetParentWidget(aParentWidget);                                                 \
  }                                                                                            \
  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) override {                              \
    return _to SetParentWidget(aParentWidget);                                                 \
  }                                                                                            \
  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) override {               \
    return _to GetParentNativeWindow(aParentNativeWindow);                                     \
  }                                                                                            \
  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) override {                \
    return _to SetParentNativeWindow(aParentNativeWindow);                                     \
  }                                                                                            \
  NS_IMETHOD GetVisibility(PRBool* aVisibility) override {                                     \
    return _to GetVisibility(aVisibility);                                                     \
  }                                                                                            \
  NS_IMETHOD SetVisibility(PRBool aVisibility) override {                                      \
    return _to SetVisibility(aVisibility);                                                     \
  }                                                                                            \
  NS_IMETHOD GetEnabled(PRBool* aEnabled) override {                                           \
    return _to GetEnabled(aEnabled);                                                           \
  }                                                                                            \
  NS_IMETHOD SetEnabled(PRBool aEnabled) override {                                            \
    return _to SetEnabled(aEnabled);                                                           \
  }                                                                                            \
  NS_IMETHOD GetBlurSuppression(PRBool* aBlurSuppression) override {                           \
    return _to GetBlurSuppression(aBlurSuppression);                                           \
  }                                                                                            \
  NS_IMETHOD SetBlurSuppression(PRBool aBlurSuppression) override {                            \
    return _to SetBlurSuppression(aBlurSuppression);                                           \
  }                                                                                            \
  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) override {                                 \
    return _to GetMainWidget(aMainWidget);                                                     \
  }                                                                                            \
  NS_IMETHOD SetFocus(void) override {                                                         \
    return _to SetFocus();                                                                     \
  }                                                                                            \
  NS_IMETHOD GetTitle(PRUnichar** aTitle) override {                                           \
    return _to GetTitle(aTitle);                                                               \
  }                                                                                            \
  NS_IMETHOD SetTitle(const PRUnichar* aTitle) override {                                      \
    return _to SetTitle(aTitle);                                                               \
  }

#endif
