// The inner window of one document: its script global object. It keeps its outer window and
// its document, and answers everything else through the outer window's shell for as long as
// it is the current inner window there. (The outer window holds only its current inner
// window, so the two hold each other only until the next document or the shell's end.)
#ifndef GECKOHOST_WINDOW_INNERWINDOW_H
#define GECKOHOST_WINDOW_INNERWINDOW_H

#include "DOMWindow.h"
#include "dom/RefPtr.h"

namespace geckohost {

class InnerWindow final : public DOMWindow {
 public:
  InnerWindow(OuterWindow& outer, dom::Document* document);

  // Whether the outer window still shows this window's document.
  bool isCurrent() const;

  // DOMWindow
  DocShell* shell() const override;
  dom::Document* document() const override { return mDocument.get(); }
  OuterWindow* outer() override { return mOuter.get(); }
  InnerWindow* scriptWindow() override { return this; }

  // nsPIDOMWindow
  PRBool IsInnerWindow() const override { return PR_TRUE; }
  PRBool IsOuterWindow() const override { return PR_FALSE; }
  nsPIDOMWindow* GetOuterWindow() override;
  nsPIDOMWindow* GetCurrentInnerWindow() const override;
  nsIDocShell* GetDocShell() override { return nullptr; }  // inner windows have none

 private:
  ~InnerWindow() override = default;

  nsCOMPtr<OuterWindow> mOuter;
  RefPtr<dom::Document> mDocument;
};

}  // namespace geckohost

#endif
