// A document shell: what shows one document at a time in one widget, and the node of a tree of
// shells. A browser window has a chrome shell (its XUL document, in the top-level widget) with
// one content shell per tab below it; a page's frames and iframes are content shells below the
// page's shell, each in a widget of its own.
//
//   chrome shell (browser.xul)          type chrome, in the top-level widget
//   ├── content shell (tab 0)           type content: same-type root of its tab
//   │   ├── frame shell ("left")        type content
//   │   └── frame shell ("right")
//   └── content shell (tab 1)
//
// The shell owns its content viewer (document, presentation shell, views) and its outer DOM
// window. Frames are made for the frame elements of the shown document, in document order.
// Session history, zoom and the held-load state live in the same-type root of a tree.
#ifndef GECKOHOST_DOCSHELL_DOCSHELL_H
#define GECKOHOST_DOCSHELL_DOCSHELL_H

#include <optional>
#include <string>
#include <vector>

#include "SessionHistory.h"
#include "XPCOMObject.h"
#include "dom/DocumentContainer.h"
#include "dom/RefPtr.h"
#include "layout/DocumentLayout.h"
#include "nsCOMPtr.h"
#include "nsIBaseWindow.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocShellTreeNode.h"
#include "nsIInterfaceRequestor.h"
#include "nsIWebNavigation.h"

namespace geckohost {

namespace dom {
class Document;
class Element;
}  // namespace dom

namespace script {
class ScriptHeap;
}

class ContentViewer;
class HostContext;
class OuterWindow;
class Widget;
class XULWindow;

class DocShell final : public XPCOMObject<nsIDocShell, nsIDocShellTreeItem, nsIDocShellTreeNode,
                                          nsIWebNavigation, nsIBaseWindow, nsIInterfaceRequestor>,
                       public dom::DocumentContainer {
 public:
  // How many frame shells may nest below a page (Gecko's MAX_DEPTH_CONTENT_FRAMES): a frame
  // deeper than that stays blank, as one whose page a shell above it already shows does.
  static constexpr int kMaxFrameDepth = 10;

  enum class Type { Chrome, Content };
  enum class LoadMode {
    Complete,  // the document is complete when loadUrl returns
    Held,      // the document stays "loading" (busy) until completeLoad()
  };
  enum class HistoryAction { Push, Replace, Keep };

  // A shell of `type` showing its documents in `widget` (which it does not own), in the tree of
  // `owner`'s window. It shows nothing until a load.
  static nsCOMPtr<DocShell> create(HostContext& context, Type type, Widget& widget,
                                   XULWindow* owner);

  // The DocShell behind an interface pointer, when it is one of ours; else null.
  static DocShell* fromInterface(nsISupports* object);

  // --- Tree ---------------------------------------------------------------------------------
  Type type() const { return mType; }
  DocShell* parent() const { return mParent; }
  // The nearest ancestor of the same type; null at the top of a tab (or of the chrome).
  DocShell* sameTypeParent() const;
  DocShell& sameTypeRoot();
  DocShell& root();
  // The child shells in document order, brought up to date with the document's frames.
  const std::vector<nsCOMPtr<DocShell>>& children();
  XULWindow* owner() const { return mOwner; }
  const std::u16string& name() const { return mName; }
  // The frame element that shows this shell in its parent's document; null for tab and
  // chrome shells.
  dom::Element* frameElement() const { return mFrameElement.get(); }

  // --- What is shown ------------------------------------------------------------------------
  Widget* widget() const { return mWidget.get(); }
  ContentViewer* viewer() const { return mViewer.get(); }
  dom::Document* document() const;
  OuterWindow* outer() const { return mWindow.get(); }
  // Device pixels per CSS pixel: the zoom of the tab (1.0 for chrome).
  float zoom() const;
  void setZoom(float devicePixelsPerCSSPixel);

  // --- Loading ------------------------------------------------------------------------------
  // Shows what `url` names (page table, file, about:blank, else an error page). Frames of the
  // new document get shells and load their sources at once.
  void loadUrl(const std::string& url, LoadMode mode = LoadMode::Complete,
               HistoryAction history = HistoryAction::Push);
  // Whether a held load waits for completeLoad(); BUSY_FLAGS_NONE otherwise.
  bool isLoading() const { return mHeld; }
  void completeLoad();
  PRUint32 busyFlags() const;
  std::string currentUrl() const { return mCurrentUrl; }

  // Session history of the same-type root.
  SessionHistory& history() { return sameTypeRoot().mHistory; }
  bool goBack();
  bool goForward();
  bool gotoIndex(int index);

  // Tears down frames, document, windows and the widget it owns. The object stays (answering
  // failures) while someone holds it.
  void destroy();
  bool isDestroyed() const { return mDestroyed; }

  // Brings frame shells up to date with the document (after changes to its tree) and places
  // their widgets.
  void updateFrames();
  // The frames' elements or their places may have changed; updateFrames() will look.
  void markFramesDirty() { mFramesDirty = true; }

  // nsIDocShell
  NS_DECL_NSIDOCSHELL
  // nsIDocShellTreeItem
  NS_DECL_NSIDOCSHELLTREEITEM
  // nsIDocShellTreeNode
  NS_DECL_NSIDOCSHELLTREENODE
  // nsIWebNavigation
  NS_DECL_NSIWEBNAVIGATION
  // nsIBaseWindow
  NS_DECL_NSIBASEWINDOW
  // nsIInterfaceRequestor
  NS_IMETHOD GetInterface(const nsIID& aIID, void** aResult) override;

  // dom::DocumentContainer
  nsIDocShell* docShell() override { return this; }
  nsIDOMWindow* outerWindow() override;
  nsIDOMWindow* innerWindow() override;
  nsIScriptGlobalObject* scriptGlobal() override;
  nsIPresShell* presShell() override;
  dom::Document* parentDocument() override;
  dom::Document* contentDocumentFor(dom::Element& frameElement) override;
  bool hasFocus() override;
  nsIntRect xulBoxOnScreen(dom::Element& element) override;
  layout::DocumentLayout* layout() override;
  void documentChanged() override;
  void scrollElementIntoView(dom::Element& element, bool alignToTop) override;
  void optionSelected(dom::Element& select, dom::Element& option) override;
  void runInsertedScript(dom::HTMLScriptElement& script) override;

 protected:
  void* QueryExtraInterface(const nsIID& aIID) override;

 private:
  DocShell(HostContext& context, Type type, Widget& widget, XULWindow* owner);
  ~DocShell() override;

  void show(RefPtr<dom::Document> document);
  // The page's script heap; null for chrome and before a page is shown.
  script::ScriptHeap* scriptHeap() const;
  // Runs the scripts that came with the parsed page, in document order, marking each started.
  void runParsedScripts();
  // The page is complete: its window's load event.
  void fireLoad();
  void addChild(nsCOMPtr<DocShell> child);
  void removeChild(DocShell& child);
  // Shell and widget for a frame element found in the document.
  nsCOMPtr<DocShell> createFrame(dom::Element& frameElement);
  // Whether a new frame of this shell may load `url`: a page that frames itself, or two that
  // frame each other, would otherwise open shells (and X windows) without end.
  bool mayLoadInFrame(const std::string& url) const;
  // Where a frame's widget goes (relative to this shell's widget) and whether it shows.
  nsIntRect frameBounds(dom::Element& frameElement, bool& shown);
  void appendTree(PRInt32 itemType, std::vector<nsCOMPtr<nsISupports>>& shells);

  HostContext& mContext;  // weak; the host outlives every shell it made
  Type mType;
  std::u16string mName;
  DocShell* mParent = nullptr;  // weak; the parent holds us in mChildren
  std::vector<nsCOMPtr<DocShell>> mChildren;
  XULWindow* mOwner;  // weak; the window holds the root of our tree
  RefPtr<dom::Element> mFrameElement;
  nsCOMPtr<Widget> mWidget;
  bool mOwnsWidget = false;  // a frame's widget is its own; the chrome's is its window's
  nsCOMPtr<ContentViewer> mViewer;
  nsCOMPtr<OuterWindow> mWindow;
  std::string mCurrentUrl;
  SessionHistory mHistory;  // used in same-type roots only
  float mZoom = 1.0f;       // used in same-type roots only
  bool mHeld = false;
  bool mFramesDirty = false;
  bool mDestroyed = false;
  bool mVisible = true;
  bool mEnabled = true;
};

}  // namespace geckohost

#endif
