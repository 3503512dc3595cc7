// The outer window of a document shell: the window the product holds across page loads.
// It answers for the current inner window, and makes a new inner window for each document.
#ifndef GECKOHOST_WINDOW_OUTERWINDOW_H
#define GECKOHOST_WINDOW_OUTERWINDOW_H

#include "DOMWindow.h"
#include "InnerWindow.h"

namespace geckohost {

class OuterWindow final : public DOMWindow {
 public:
  explicit OuterWindow(DocShell& shell) : mShell(&shell) {}

  // A new inner window for `document`, which becomes the current one; the page of the one
  // before unloads. With an environment the page gets script.
  void setDocument(dom::Document* document, script::ScriptEnvironment* environment = nullptr);
  // Unloads the current page's script, ahead of its document going.
  void unloadCurrent();
  InnerWindow* currentInner() const { return mInner.get(); }
  // The shell is going away: forget it and the current inner window.
  void detach();

  // The status texts of the window (shown in the status bar of browser windows).
  const std::u16string& status() const { return mStatus; }
  void setStatus(const std::u16string& text) { mStatus = text; }
  const std::u16string& defaultStatus() const { return mDefaultStatus; }
  void setDefaultStatus(const std::u16string& text) { mDefaultStatus = text; }
  nsIDOMWindowInternal* opener() const { return mOpener.get(); }
  void setOpener(nsIDOMWindowInternal* opener) { mOpener = opener; }

  // DOMWindow
  DocShell* shell() const override { return mShell; }
  dom::Document* document() const override;
  OuterWindow* outer() override { return this; }
  InnerWindow* scriptWindow() override { return mInner.get(); }

  // nsPIDOMWindow
  PRBool IsInnerWindow() const override { return PR_FALSE; }
  PRBool IsOuterWindow() const override { return PR_TRUE; }
  nsPIDOMWindow* GetOuterWindow() override { return this; }
  nsPIDOMWindow* GetCurrentInnerWindow() const override { return mInner.get(); }
  nsIDocShell* GetDocShell() override;

 private:
  ~OuterWindow() override = default;

  DocShell* mShell;              // weak; the shell owns us and detaches us before it goes
  nsCOMPtr<InnerWindow> mInner;  // the inner window holds us too, until detach()
  nsCOMPtr<nsIDOMWindowInternal> mOpener;
  std::u16string mStatus;
  std::u16string mDefaultStatus;
};

}  // namespace geckohost

#endif
