#include "WindowUtils.h"

#include "DOMWindow.h"
#include "DocShell.h"
#include "DocumentFaces.h"
#include "UnicodeText.h"
#include "XULWindow.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "nsError.h"
#include "nsIDOMElement.h"

namespace geckohost {

WindowUtils::WindowUtils(DOMWindow& window) : mWindow(&window) {}

void WindowUtils::windowGone() {
  mWindow = nullptr;
}

WindowUtils::~WindowUtils() = default;

NS_IMETHODIMP WindowUtils::GetImageAnimationMode(PRUint16* aImageAnimationMode) {
  if (!aImageAnimationMode)
    return NS_ERROR_NULL_POINTER;
  *aImageAnimationMode = mImageAnimationMode;
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::SetImageAnimationMode(PRUint16 aImageAnimationMode) {
  mImageAnimationMode = aImageAnimationMode;
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::GetDocCharsetIsForced(PRBool* aDocCharsetIsForced) {
  if (!aDocCharsetIsForced)
    return NS_ERROR_NULL_POINTER;
  *aDocCharsetIsForced = PR_FALSE;  // nobody can force a character set here
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::GetDocumentMetadata(const nsAString& aName, nsAString& _retval) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  _retval.Truncate();
  dom::Document* document = mWindow->document();
  if (!document)
    return NS_ERROR_FAILURE;
  if (u16FromString(aName) == u"content-type")
    assignU16(_retval, document->contentType());
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::Redraw(PRUint32, PRUint32* _retval) {
  if (_retval)
    *_retval = 0;
  return NS_ERROR_NOT_IMPLEMENTED;  // documents are not painted yet
}

// No event machinery exists in the host: synthesized input has nowhere to go.
NS_IMETHODIMP WindowUtils::SendMouseEvent(const nsAString&, float, float, PRInt32, PRInt32, PRInt32,
                                          PRBool) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::SendMouseScrollEvent(const nsAString&, float, float, PRInt32, PRInt32,
                                                PRInt32, PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::SendKeyEvent(const nsAString&, PRInt32, PRInt32, PRInt32, PRBool,
                                        PRBool* _retval) {
  if (_retval)
    *_retval = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::SendNativeKeyEvent(PRInt32, PRInt32, PRInt32, const nsAString&,
                                              const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::ActivateNativeMenuItemAt(const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;  // native menus exist on Mac OS X only
}

NS_IMETHODIMP WindowUtils::ForceUpdateNativeMenuAt(const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::Focus(nsIDOMElement* aElement) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  DocShell* shell = mWindow->shell();
  if (!shell)
    return NS_ERROR_FAILURE;
  if (aElement) {
    dom::Element* element = faces::element(aElement);
    if (!element || element->ownerDocument() != mWindow->document()) {
      return NS_ERROR_INVALID_ARG;
    }
    mWindow->document()->setFocusedElement(element);
  }
  if (shell->owner())
    shell->owner()->focusShell(*shell);
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::GarbageCollect(void) {
  return NS_OK;  // everything here is reference counted; there is nothing to collect
}

NS_IMETHODIMP WindowUtils::ProcessUpdates(void) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  DocShell* shell = mWindow->shell();
  if (shell && shell->owner())
    shell->owner()->flush();
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::SendSimpleGestureEvent(const nsAString&, float, float, PRUint32, double,
                                                  PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::ElementFromPoint(PRInt32 aX, PRInt32 aY, PRBool, PRBool,
                                            nsIDOMElement** _retval) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  dom::Document* document = mWindow->document();
  if (!document)
    return NS_ERROR_FAILURE;
  faces::domElement(document->elementFromPoint(aX, aY)).forget(_retval);
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::CompareCanvases(nsIDOMHTMLCanvasElement*, nsIDOMHTMLCanvasElement*,
                                           PRUint32*, PRUint32*) {
  return NS_ERROR_NOT_IMPLEMENTED;  // no canvas elements here
}

NS_IMETHODIMP WindowUtils::GetIsMozAfterPaintPending(PRBool* aIsMozAfterPaintPending) {
  if (!aIsMozAfterPaintPending)
    return NS_ERROR_NULL_POINTER;
  *aIsMozAfterPaintPending = PR_FALSE;  // nothing is painted, so no paint event waits
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::SuppressEventHandling(PRBool) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::ClearMozAfterPaintEvents(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::DisableNonTestMouseEvents(PRBool) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::GetScrollXY(PRBool, PRInt32* aScrollX, PRInt32* aScrollY) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  if (!aScrollX || !aScrollY)
    return NS_ERROR_NULL_POINTER;
  mWindow->GetScrollX(aScrollX);
  mWindow->GetScrollY(aScrollY);
  return NS_OK;
}

NS_IMETHODIMP WindowUtils::GetCOWForObject(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::GetIMEIsOpen(PRBool* aIMEIsOpen) {
  if (!aIMEIsOpen)
    return NS_ERROR_NULL_POINTER;
  *aIMEIsOpen = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;  // there is no input method
}

NS_IMETHODIMP WindowUtils::GetIMEStatus(PRUint32* aIMEStatus) {
  if (!aIMEStatus)
    return NS_ERROR_NULL_POINTER;
  *aIMEStatus = nsIDOMWindowUtils::IME_STATUS_DISABLED;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowUtils::GetScreenPixelsPerCSSPixel(float* aScreenPixelsPerCSSPixel) {
  if (!mWindow)
    return NS_ERROR_NOT_AVAILABLE;
  if (!aScreenPixelsPerCSSPixel)
    return NS_ERROR_NULL_POINTER;
  DocShell* shell = mWindow->shell();
  *aScreenPixelsPerCSSPixel = shell ? shell->zoom() : 1.0f;
  return NS_OK;
}

}  // namespace geckohost
