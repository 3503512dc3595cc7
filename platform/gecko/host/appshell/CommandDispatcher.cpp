#include "CommandDispatcher.h"

#include "DocShell.h"
#include "DocumentFaces.h"
#include "OuterWindow.h"
#include "XULWindow.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "nsError.h"
#include "nsIDOMElement.h"
#include "nsPIDOMWindow.h"

namespace geckohost {

DocShell* CommandDispatcher::focusedShell() const {
  return mWindow ? mWindow->focusedShell() : nullptr;
}

NS_IMETHODIMP CommandDispatcher::GetFocusedElement(nsIDOMElement** aFocusedElement) {
  if (!aFocusedElement)
    return NS_ERROR_NULL_POINTER;
  *aFocusedElement = nullptr;
  DocShell* shell = focusedShell();
  dom::Document* document = shell ? shell->document() : nullptr;
  if (document)
    faces::domElement(document->focusedElement()).forget(aFocusedElement);
  return NS_OK;
}

NS_IMETHODIMP CommandDispatcher::SetFocusedElement(nsIDOMElement* aFocusedElement) {
  if (!mWindow)
    return NS_ERROR_FAILURE;
  if (!aFocusedElement) {
    if (DocShell* shell = focusedShell()) {
      if (dom::Document* document = shell->document())
        document->setFocusedElement(nullptr);
    }
    return NS_OK;
  }
  dom::Element* element = faces::element(aFocusedElement);
  dom::Document* document = element ? element->ownerDocument() : nullptr;
  auto* shell = document ? dynamic_cast<DocShell*>(document->container()) : nullptr;
  if (!shell || !mWindow->focusShell(*shell))
    return NS_ERROR_INVALID_ARG;
  document->setFocusedElement(element);
  return NS_OK;
}

NS_IMETHODIMP CommandDispatcher::GetFocusedWindow(nsIDOMWindow** aFocusedWindow) {
  if (!aFocusedWindow)
    return NS_ERROR_NULL_POINTER;
  DocShell* shell = focusedShell();
  *aFocusedWindow = shell ? shell->outer() : nullptr;
  NS_IF_ADDREF(*aFocusedWindow);
  return NS_OK;
}

NS_IMETHODIMP CommandDispatcher::SetFocusedWindow(nsIDOMWindow* aFocusedWindow) {
  if (!mWindow)
    return NS_ERROR_FAILURE;
  if (!aFocusedWindow) {
    mWindow->clearFocus();
    return NS_OK;
  }
  nsCOMPtr<nsPIDOMWindow> window = do_QueryInterface(aFocusedWindow);
  if (!window)
    return NS_ERROR_INVALID_ARG;
  nsPIDOMWindow* outer = window->GetOuterWindow();
  DocShell* shell = outer ? DocShell::fromInterface(outer->GetDocShell()) : nullptr;
  return shell && mWindow->focusShell(*shell) ? NS_OK : NS_ERROR_INVALID_ARG;
}

// Commands and their updaters belong to the chrome's script, which the host does not run.
NS_IMETHODIMP CommandDispatcher::AddCommandUpdater(nsIDOMElement*, const nsAString&,
                                                   const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::RemoveCommandUpdater(nsIDOMElement*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::UpdateCommands(const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::GetControllerForCommand(const char*, nsIController** _retval) {
  if (_retval)
    *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::GetControllers(nsIControllers** _retval) {
  if (_retval)
    *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

// Moving the focus by keyboard order needs the focus navigation of layout.
NS_IMETHODIMP CommandDispatcher::AdvanceFocus(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::RewindFocus(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::AdvanceFocusIntoSubtree(nsIDOMElement*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP CommandDispatcher::GetSuppressFocusScroll(PRBool* aSuppressFocusScroll) {
  if (!aSuppressFocusScroll)
    return NS_ERROR_NULL_POINTER;
  *aSuppressFocusScroll = mSuppressFocusScroll ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP CommandDispatcher::SetSuppressFocusScroll(PRBool aSuppressFocusScroll) {
  mSuppressFocusScroll = aSuppressFocusScroll != PR_FALSE;
  return NS_OK;
}

}  // namespace geckohost
