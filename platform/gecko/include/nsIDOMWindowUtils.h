// Privileged helpers of a DOM window, reached through its nsIInterfaceRequestor: synthesized
// events, forced painting, scroll position and the zoom of the window (screen pixels per CSS
// pixel).
#ifndef __gen_nsIDOMWindowUtils_h__
#define __gen_nsIDOMWindowUtils_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMElement;
class nsIDOMHTMLCanvasElement;

#define NS_IDOMWINDOWUTILS_IID_STR "6a60fde5-a00a-4732-bbea-2787c174c04f"

#define NS_IDOMWINDOWUTILS_IID                       \
  {                                                  \
    0x6a60fde5, 0xa00a, 0x4732, {                    \
      0xbb, 0xea, 0x27, 0x87, 0xc1, 0x74, 0xc0, 0x4f \
    }                                                \
  }

class nsIDOMWindowUtils : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMWINDOWUTILS_IID)

  NS_IMETHOD GetImageAnimationMode(PRUint16* aImageAnimationMode) = 0;
  NS_IMETHOD SetImageAnimationMode(PRUint16 aImageAnimationMode) = 0;
  NS_IMETHOD GetDocCharsetIsForced(PRBool* aDocCharsetIsForced) = 0;
  NS_IMETHOD GetDocumentMetadata(const nsAString& aName, nsAString& _retval) = 0;
  NS_IMETHOD Redraw(PRUint32 aCount, PRUint32* _retval) = 0;
  NS_IMETHOD SendMouseEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,
                            PRInt32 aClickCount, PRInt32 aModifiers,
                            PRBool aIgnoreRootScrollFrame) = 0;
  NS_IMETHOD SendMouseScrollEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,
                                  PRInt32 aScrollFlags, PRInt32 aDelta, PRInt32 aModifiers) = 0;
  NS_IMETHOD SendKeyEvent(const nsAString& aType, PRInt32 aKeyCode, PRInt32 aCharCode,
                          PRInt32 aModifiers, PRBool aPreventDefault, PRBool* _retval) = 0;
  NS_IMETHOD SendNativeKeyEvent(PRInt32 aNativeKeyboardLayout, PRInt32 aNativeKeyCode,
                                PRInt32 aModifierFlags, const nsAString& aCharacters,
                                const nsAString& aUnmodifiedCharacters) = 0;
  NS_IMETHOD ActivateNativeMenuItemAt(const nsAString& indexString) = 0;
  NS_IMETHOD ForceUpdateNativeMenuAt(const nsAString& indexString) = 0;
  NS_IMETHOD Focus(nsIDOMElement* aElement) = 0;
  NS_IMETHOD GarbageCollect(void) = 0;
  NS_IMETHOD ProcessUpdates(void) = 0;
  NS_IMETHOD SendSimpleGestureEvent(const nsAString& aType, float aX, float aY, PRUint32 aDirection,
                                    double aDelta, PRInt32 aModifiers) = 0;
  NS_IMETHOD ElementFromPoint(PRInt32 aX, PRInt32 aY, PRBool aIgnoreRootScrollFrame,
                              PRBool aFlushLayout, nsIDOMElement** _retval) = 0;
  NS_IMETHOD CompareCanvases(nsIDOMHTMLCanvasElement* aCanvas1, nsIDOMHTMLCanvasElement* aCanvas2,
                             PRUint32* aMaxDifference, PRUint32* _retval) = 0;
  NS_IMETHOD GetIsMozAfterPaintPending(PRBool* aIsMozAfterPaintPending) = 0;
  NS_IMETHOD SuppressEventHandling(PRBool aSuppress) = 0;
  NS_IMETHOD ClearMozAfterPaintEvents(void) = 0;
  NS_IMETHOD DisableNonTestMouseEvents(PRBool aDisable) = 0;
  NS_IMETHOD GetScrollXY(PRBool aFlushLayout, PRInt32* aScrollX, PRInt32* aScrollY) = 0;
  // Takes its arguments from the script caller; C++ callers have none to give.
  NS_IMETHOD GetCOWForObject(void) = 0;
  NS_IMETHOD GetIMEIsOpen(PRBool* aIMEIsOpen) = 0;

  enum { IME_STATUS_DISABLED = 0U };
  enum { IME_STATUS_ENABLED = 1U };
  enum { IME_STATUS_PASSWORD = 2U };
  enum { IME_STATUS_PLUGIN = 3U };

  NS_IMETHOD GetIMEStatus(PRUint32* aIMEStatus) = 0;
  // 1.0 at normal size; 1.5 when the page is zoomed to 150 %.
  NS_IMETHOD GetScreenPixelsPerCSSPixel(float* aScreenPixelsPerCSSPixel) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMWindowUtils, NS_IDOMWINDOWUTILS_IID)

// Declares every method of nsIDOMWindowUtils in a class that implements it.
#define NS_DECL_NSIDOMWINDOWUTILS                                                                  \
  NS_IMETHOD GetImageAnimationMode(PRUint16* aImageAnimationMode) override;                        \
  NS_IMETHOD SetImageAnimationMode(PRUint16 aImageAnimationMode) override;                         \
  NS_IMETHOD GetDocCharsetIsForced(PRBool* aDocCharsetIsForced) override;                          \
  NS_IMETHOD GetDocumentMetadata(const nsAString& aName, nsAString& _retval) override;             \
  NS_IMETHOD Redraw(PRUint32 aCount, PRUint32* _retval) override;                                  \
  NS_IMETHOD SendMouseEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,           \
                            PRInt32 aClickCount, PRInt32 aModifiers,                               \
                            PRBool aIgnoreRootScrollFrame) override;                               \
  NS_IMETHOD SendMouseScrollEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,     \
                                  PRInt32 aScrollFlags, PRInt32 aDelta, PRInt32 aModifiers)        \
      override;                                                                                    \
  NS_IMETHOD SendKeyEvent(const nsAString& aType, PRInt32 aKeyCode, PRInt32 aCharCode,             \
                          PRInt32 aModifiers, PRBool aPreventDefault, PRBool* _retval) override;   \
  NS_IMETHOD SendNativeKeyEvent(PRInt32 aNativeKeyboardLayout, PRInt32 aNativeKeyCode,             \
                                PRInt32 aModifierFlags, const nsAString& aCharacters,              \
                                const nsAString& aUnmodifiedCharacters) override;                  \
  NS_IMETHOD ActivateNativeMenuItemAt(const nsAString& indexString) override;                      \
  NS_IMETHOD ForceUpdateNativeMenuAt(const nsAString& indexString) override;                       \
  NS_IMETHOD Focus(nsIDOMElement* aElement) override;                                              \
  NS_IMETHOD GarbageCollect(void) override;                                                        \
  NS_IMETHOD ProcessUpdates(void) override;                                                        \
  NS_IMETHOD SendSimpleGestureEvent(const nsAString& aType, float aX, float aY,                    \
                                    PRUint32 aDirection, double aDelta, PRInt32 aModifiers)        \
      override;                                                                                    \
  NS_IMETHOD ElementFromPoint(PRInt32 aX, PRInt32 aY, PRBool aIgnoreRootScrollFrame,               \
                              PRBool aFlushLayout, nsIDOMElement** _retval) override;              \
  NS_IMETHOD CompareCanvases(nsIDOMHTMLCanvasElement* aCanvas1, nsIDOMHTMLCanvasElement* aCanvas2, \
                             PRUint32* aMaxDifference, PRUint32* _retval) override;                \
  NS_IMETHOD GetIsMozAfterPaintPending(PRBool* aIsMozAfterPaintPending) override;                  \
  NS_IMETHOD SuppressEventHandling(PRBool aSuppress) override;                                     \
  NS_IMETHOD ClearMozAfterPaintEvents(void) override;                                              \
  NS_IMETHOD DisableNonTestMouseEvents(PRBool aDisable) override;                                  \
  NS_IMETHOD GetScrollXY(PRBool aFlushLayout, PRInt32* aScrollX, PRInt32* aScrollY) override;      \
  NS_IMETHOD GetCOWForObject(void) override;                                                       \
  NS_IMETHOD GetIMEIsOpen(PRBool* aIMEIsOpen) override;                                            \
  NS_IMETHOD GetIMEStatus(PRUint32* aIMEStatus) override;                                          \
  NS_IMETHOD GetScreenPixelsPerCSSPixel(float* aScreenPixelsPerCSSPixel) override;

// Implements every method of nsIDOMWindowUtils by calling the same method of _to.
#define NS_FORWARD_NSIDOMWINDOWUTILS(_to)                                                          \
  NS_IMETHOD GetImageAnimationMode(PRUint16* aImageAnimationMode) override {                       \
    return _to GetImageAnimationMode(aImageAnimationMode);                                         \
  }                                                                                                \
  NS_IMETHOD SetImageAnimationMode(PRUint16 aImageAnimationMode) override {                        \
    return _to SetImageAnimationMode(aImageAnimationMode);                                         \
  }                                                                                                \
  NS_IMETHOD GetDocCharsetIsForced(PRBool* aDocCharsetIsForced) override {                         \
    return _to GetDocCharsetIsForced(aDocCharsetIsForced);                                         \
  }                                                                                                \
  NS_IMETHOD GetDocumentMetadata(const nsAString& aName, nsAString& _retval) override {            \
    return _to GetDocumentMetadata(aName, _retval);                                                \
  }                                                                                                \
  NS_IMETHOD Redraw(PRUint32 aCount, PRUint32* _retval) override {                                 \
    return _to Redraw(aCount, _retval);                                                            \
  }                                                                                                \
  NS_IMETHOD SendMouseEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,           \
                            PRInt32 aClickCount, PRInt32 aModifiers,                               \
                            PRBool aIgnoreRootScrollFrame) override {                              \
    return _to SendMouseEvent(aType, aX, aY, aButton, aClickCount, aModifiers,                     \
                              aIgnoreRootScrollFrame);                                             \
  }                                                                                                \
  NS_IMETHOD SendMouseScrollEvent(const nsAString& aType, float aX, float aY, PRInt32 aButton,     \
                                  PRInt32 aScrollFlags, PRInt32 aDelta, PRInt32 aModifiers)        \
      override {                                                                                   \
    return _to SendMouseScrollEvent(aType, aX, aY, aButton, aScrollFlags, aDelta, aModifiers);     \
  }                                                                                                \
  NS_IMETHOD SendKeyEvent(const nsAString& aType, PRInt32 aKeyCode, PRInt32 aCharCode,             \
                          PRInt32 aModifiers, PRBool aPreventDefault, PRBool* _retval) override {  \
    return _to SendKeyEvent(aType, aKeyCode, aCharCode, aModifiers, aPreventDefault, _retval);     \
  }                                                                                                \
  NS_IMETHOD SendNativeKeyEvent(PRInt32 aNativeKeyboardLayout, PRInt32 aNativeKeyCode,             \
                                PRInt32 aModifierFlags, const nsAString& aCharacters,              \
                                const nsAString& aUnmodifiedCharacters) override {                 \
    return _to SendNativeKeyEvent(aNativeKeyboardLayout, aNativeKeyCode, aModifierFlags,           \
                                  aCharacters, aUnmodifiedCharacters);                             \
  }                                                                                                \
  NS_IMETHOD ActivateNativeMenuItemAt(const nsAString& indexString) override {                     \
    return _to ActivateNativeMenuItemAt(indexString);                                              \
  }                                                                                                \
  NS_IMETHOD ForceUpdateNativeMenuAt(const nsAString& indexString) override {                      \
    return _to ForceUpdateNativeMenuAt(indexString);                                               \
  }                                                                                                \
  NS_IMETHOD Focus(nsIDOMElement* aElement) override {                                             \
    return _to Focus(aElement);                                                                    \
  }                                                                                                \
  NS_IMETHOD GarbageCollect(void) override {                                                       \
    return _to GarbageCollect();                                                                   \
  }                                                                                                \
  NS_IMETHOD ProcessUpdates(void) override {                                                       \
    return _to ProcessUpdates();                                                                   \
  }                                                                                                \
  NS_IMETHOD SendSimpleGestureEvent(const nsAString& aType, float aX, float aY,                    \
                                    PRUint32 aDirection, double aDelta, PRInt32 aModifiers)        \
      override {                                                                                   \
    return _to SendSimpleGestureEvent(aType, aX, aY, aDirection, aDelta, aModifiers);              \
  }                                                                                                \
  NS_IMETHOD ElementFromPoint(PRInt32 aX, PRInt32 aY, PRBool aIgnoreRootScrollFrame,               \
                              PRBool aFlushLayout, nsIDOMElement** _retval) override {             \
    return _to ElementFromPoint(aX, aY, aIgnoreRootScrollFrame, aFlushLayout, _retval);            \
  }                                                                                                \
  NS_IMETHOD CompareCanvases(nsIDOMHTMLCanvasElement* aCanvas1, nsIDOMHTMLCanvasElement* aCanvas2, \
                             PRUint32* aMaxDifference, PRUint32* _retval) override {               \
    return _to CompareCanvases(aCanvas1, aCanvas2, aMaxDifference, _retval);                       \
  }                                                                                                \
  NS_IMETHOD GetIsMozAfterPaintPending(PRBool* aIsMozAfterPaintPending) override {                 \
    return _to GetIsMozAfterPaintPending(aIsMozAfterPaintPending);                                 \
  }                                                                                                \
  NS_IMETHOD SuppressEventHandling(PRBool aSuppress) override {                                    \
    return _to SuppressEventHandling(aSuppress);                                                   \
  }                                                                                                \
  NS_IMETHOD ClearMozAfterPaintEvents(void) override {                                             \
    return _to ClearMozAfterPaintEvents();                                                         \
  }                                                                                                \
  NS_IMETHOD DisableNonTestMouseEvents(PRBool aDisable) override {                                 \
    return _to DisableNonTestMouseEvents(aDisable);                                                \
  }                                                                                                \
  NS_IMETHOD GetScrollXY(PRBool aFlushLayout, PRInt32* aScrollX, PRInt32* aScrollY) override {     \
    return _to GetScrollXY(aFlushLayout, aScrollX, aScrollY);                                      \
  }                                                                                                \
  NS_IMETHOD GetCOWForObject(void) override {                                                      \
    return _to GetCOWForObject();                                                                  \
  }                                                                                                \
  NS_IMETHOD GetIMEIsOpen(PRBool* aIMEIsOpen) override {                                           \
    return _to GetIMEIsOpen(aIMEIsOpen);                                                           \
  }                                                                                                \
  NS_IMETHOD GetIMEStatus(PRUint32* aIMEStatus) override {                                         \
    return _to GetIMEStatus(aIMEStatus);                                                           \
  }                                                                                                \
  NS_IMETHOD GetScreenPixelsPerCSSPixel(float* aScreenPixelsPerCSSPixel) override {                \
    return _to GetScreenPixelsPerCSSPixel(aScreenPixelsPerCSSPixel);                               \
  }

#endif
