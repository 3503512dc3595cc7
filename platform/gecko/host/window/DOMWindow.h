// What outer and inner DOM windows share. Gecko gives each document shell one outer window
// (the window's identity across page loads) and each document shown in it an inner window
// (its script global object); almost every call on an inner window is answered from its outer
// window's shell. This base carries those answers; OuterWindow and InnerWindow add how each
// finds its shell and its document.
//
//   window.GetScrollY(&y)   → the page's scroll offset, CSS pixels
//   window.Back()           → the tab's session history steps back
//   window.GetInterface(nsIDOMWindowUtils) → the zoom (screen pixels per CSS pixel)
#ifndef GECKOHOST_WINDOW_DOMWINDOW_H
#define GECKOHOST_WINDOW_DOMWINDOW_H

#include <map>
#include <string>

#include "WindowUtils.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIInterfaceRequestor.h"
#include "nsIScriptContext.h"
#include "nsIScriptGlobalObject.h"
#include "nsPIDOMWindow.h"
#include "nsPoint.h"

namespace geckohost {

class DocShell;
class InnerWindow;
class OuterWindow;

namespace dom {
class Document;
}

class DOMWindow : public XPCOMObject<nsPIDOMWindow, nsIInterfaceRequestor, nsIScriptGlobalObject> {
 public:
  // The shell whose documents this window shows (weak); null once the window is detached
  // (its shell destroyed, or for an inner window, its document replaced).
  virtual DocShell* shell() const = 0;
  // The document: an inner window's own, or an outer window's current one.
  virtual dom::Document* document() const = 0;
  // The outer window (an outer window is its own).
  virtual OuterWindow* outer() = 0;
  // The inner window whose script contexts answer for this window.
  virtual InnerWindow* scriptWindow() = 0;

  // nsIDOMWindow
  NS_DECL_NSIDOMWINDOW
  // nsIDOMWindow2
  NS_DECL_NSIDOMWINDOW2
  // nsIDOMWindowInternal
  NS_DECL_NSIDOMWINDOWINTERNAL
  // nsPIDOMWindow (the parts that do not depend on inner or outer)
  nsPIDOMWindow* GetPrivateRoot() override;
  nsIDOMDocument* GetExtantDocument() const override;
  nsIDOMElement* GetFrameElementInternal() const override;
  // nsIInterfaceRequestor
  NS_IMETHOD GetInterface(const nsIID& aIID, void** aResult) override;
  // nsIScriptGlobalObject
  nsresult EnsureScriptEnvironment(PRUint32 aLangID) override;
  nsIScriptContext* GetScriptContext(PRUint32 lang) override;
  void* GetScriptGlobal(PRUint32 lang) override;
  nsresult SetScriptContext(PRUint32 lang, nsIScriptContext* aContext) override;

 protected:
  DOMWindow() = default;
  ~DOMWindow() override;

  void* QueryExtraInterface(const nsIID& aIID) override;

  // Script contexts by language, kept by inner windows (the script globals).
  std::map<PRUint32, nsCOMPtr<nsIScriptContext>> mScriptContexts;
  float mTextZoom = 1.0f;
  // Made on the first request for nsIDOMWindowUtils, kept for the window's life.
  nsCOMPtr<WindowUtils> mUtils;

 private:
  nsPoint viewportScroll() const;
  nsresult scrollDocumentTo(PRInt32 x, PRInt32 y);
  nsresult moveOwnerTo(PRInt32 x, PRInt32 y);
  nsresult sizeOwnerTo(PRInt32 width, PRInt32 height);
};

}  // namespace geckohost

#endif
