// The inner window of one document: its script global object. It keeps its outer window and
// its document, and answers everything else through the outer window's shell for as long as
// it is the current inner window there. (The outer window holds only its current inner
// window, so the two hold each other only until the next document or the shell's end.)
#ifndef GECKOHOST_WINDOW_INNERWINDOW_H
#define GECKOHOST_WINDOW_INNERWINDOW_H

#include "DOMWindow.h"
#include "dom/RefPtr.h"
#include "script/ScriptContext.h"

namespace geckohost {

namespace script {
class ScriptHeap;
struct ScriptEnvironment;
}  // namespace script

class InnerWindow final : public DOMWindow {
 public:
  // With an environment, the window gets a JavaScript context (a heap of its own) for its
  // document; without one (chrome), none.
  InnerWindow(OuterWindow& outer, dom::Document* document,
              script::ScriptEnvironment* environment = nullptr);

  // The page goes: its script heap is destroyed (timers and requests with it).
  void unload();
  // The page's script heap; null without script or once unloaded.
  script::ScriptHeap* scriptHeap() const;

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
  ~InnerWindow() override;

  nsCOMPtr<OuterWindow> mOuter;
  RefPtr<dom::Document> mDocument;
  nsCOMPtr<script::ScriptContext> mScript;
};

}  // namespace geckohost

#endif
