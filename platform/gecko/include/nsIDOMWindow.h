// A DOM window: its document, its place among parent and child windows (frames), its name and
// scroll position. A document shell has one outer window; each document shown in it gets an
// inner window.
#ifndef __gen_nsIDOMWindow_h__
#define __gen_nsIDOMWindow_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMBarProp;
class nsIDOMDocument;
class nsIDOMWindowCollection;
class nsISelection;

#define NS_IDOMWINDOW_IID_STR "a6cf906b-15b3-11d2-932e-00805f8add32"

#define NS_IDOMWINDOW_IID                            \
  {                                                  \
    0xa6cf906b, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMWindow : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMWINDOW_IID)

  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) = 0;
  // The parent window, or this window at the top of its tree.
  NS_IMETHOD GetParent(nsIDOMWindow** aParent) = 0;
  NS_IMETHOD GetTop(nsIDOMWindow** aTop) = 0;
  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) = 0;
  // The windows of this window's frames and iframes, in document order.
  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetTextZoom(float* aTextZoom) = 0;
  NS_IMETHOD SetTextZoom(float aTextZoom) = 0;
  // Scroll offsets in CSS pixels.
  NS_IMETHOD GetScrollX(PRInt32* aScrollX) = 0;
  NS_IMETHOD GetScrollY(PRInt32* aScrollY) = 0;
  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) = 0;
  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) = 0;
  NS_IMETHOD GetSelection(nsISelection** _retval) = 0;
  NS_IMETHOD ScrollByLines(PRInt32 numLines) = 0;
  NS_IMETHOD ScrollByPages(PRInt32 numPages) = 0;
  NS_IMETHOD SizeToContent(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMWindow, NS_IDOMWINDOW_IID)

// Declares every method of nsIDOMWindow in a class that implements it.
#define NS_DECL_NSIDOMWINDOW                                            \
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override;          \
  NS_IMETHOD GetParent(nsIDOMWindow** aParent) override;                \
  NS_IMETHOD GetTop(nsIDOMWindow** aTop) override;                      \
  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) override;       \
  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) override;      \
  NS_IMETHOD GetName(nsAString& aName) override;                        \
  NS_IMETHOD SetName(const nsAString& aName) override;                  \
  NS_IMETHOD GetTextZoom(float* aTextZoom) override;                    \
  NS_IMETHOD SetTextZoom(float aTextZoom) override;                     \
  NS_IMETHOD GetScrollX(PRInt32* aScrollX) override;                    \
  NS_IMETHOD GetScrollY(PRInt32* aScrollY) override;                    \
  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) override;       \
  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) override; \
  NS_IMETHOD GetSelection(nsISelection** _retval) override;             \
  NS_IMETHOD ScrollByLines(PRInt32 numLines) override;                  \
  NS_IMETHOD ScrollByPages(PRInt32 numPages) override;                  \
  NS_IMETHOD SizeToContent(void) override;

// Implements every method of nsIDOMWindow by calling the same method of _to.
#define NS_FORWARD_NSIDOMWINDOW(_to)                                     \
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {          \
    return _to GetDocument(aDocument);                                   \
  }                                                                      \
  NS_IMETHOD GetParent(nsIDOMWindow** aParent) override {                \
    return _to GetParent(aParent);                                       \
  }                                                                      \
  NS_IMETHOD GetTop(nsIDOMWindow** aTop) override {                      \
    return _to GetTop(aTop);                                             \
  }                                                                      \
  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) override {       \
    return _to GetScrollbars(aScrollbars);                               \
  }                                                                      \
  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) override {      \
    return _to GetFrames(aFrames);                                       \
  }                                                                      \
  NS_IMETHOD GetName(nsAString& aName) override {                        \
    return _to GetName(aName);                                           \
  }                                                                      \
  NS_IMETHOD SetName(const nsAString& aName) override {                  \
    return _to SetName(aName);                                           \
  }                                                                      \
  NS_IMETHOD GetTextZoom(float* aTextZoom) override {                    \
    return _to GetTextZoom(aTextZoom);                                   \
  }                                                                      \
  NS_IMETHOD SetTextZoom(float aTextZoom) override {                     \
    return _to SetTextZoom(aTextZoom);                                   \
  }                                                                      \
  NS_IMETHOD GetScrollX(PRInt32* aScrollX) override {                    \
    return _to GetScrollX(aScrollX);                                     \
  }                                                                      \
  NS_IMETHOD GetScrollY(PRInt32* aScrollY) override {                    \
    return _to GetScrollY(aScrollY);                                     \
  }                                                                      \
  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) override {       \
    return _to ScrollTo(xScroll, yScroll);                               \
  }                                                                      \
  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) override { \
    return _to ScrollBy(xScrollDif, yScrollDif);                         \
  }                                                                      \
  NS_IMETHOD GetSelection(nsISelection** _retval) override {             \
    return _to GetSelection(_retval);                                    \
  }                                                                      \
  NS_IMETHOD ScrollByLines(PRInt32 numLines) override {                  \
    return _to ScrollByLines(numLines);                                  \
  }                                                                      \
  NS_IMETHOD ScrollByPages(PRInt32 numPages) override {                  \
    return _to ScrollByPages(numPages);                                  \
  }                                                                      \
  NS_IMETHOD SizeToContent(void) override {                              \
    return _to SizeToContent();                                          \
  }

#endif
