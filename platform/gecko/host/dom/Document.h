// A document: the root of a tree, the factory of its nodes, its URL and ready state, its
// focused element, and its link to the shell that shows it (DocumentContainer).
//
// HTMLDocument and XULDocument add what differs between pages and chrome. A document that is
// not shown has no container and answers as Gecko does for a document without a window: no
// focus, no frames' content, no geometry.
#ifndef GECKOHOST_DOM_DOCUMENT_H
#define GECKOHOST_DOM_DOCUMENT_H

#include <array>
#include <unordered_map>
#include <vector>

#include "dom/IdMap.h"
#include "dom/Node.h"
#include "net/URI.h"
#include "nsCOMPtr.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNSDocument.h"
#include "nsIDocument.h"
#include "nsIURI.h"

namespace geckohost {
class LayoutQuery;
}

namespace geckohost::dom {

class Attr;
class CDATASection;
class Comment;
class DocumentContainer;
class DocumentFragment;
class DocumentType;
class Element;
class ElementList;
class HTMLScriptElement;
class NodeList;
class ProcessingInstruction;
class Text;

enum class DocumentKind { HTML, XUL };
enum class ReadyState { Uninitialized, Loading, Interactive, Complete };

class Document : public Node,
                 public nsIDOMDocument,
                 public nsIDOMNSDocument,
                 public nsIDOMDocumentXBL,
                 public nsIDocument {
 public:
  DocumentKind kind() const { return mKind; }
  bool isHTMLDocument() const { return mKind == DocumentKind::HTML; }
  // "text/html" or "application/vnd.mozilla.xul+xml".
  std::u16string contentType() const;

  const net::URI& url() const { return mURL; }
  void setURL(const net::URI& url);
  // What relative URLs of the document resolve against: the document's URL, or for HTML the
  // first <base href> when there is one.
  virtual net::URI baseURL() const { return mURL; }

  ReadyState readyState() const { return mReadyState; }
  void setReadyState(ReadyState state) { mReadyState = state; }
  // "uninitialized", "loading", "interactive", "complete", as nsIDOMNSDocument reports them.
  static std::u16string_view readyStateName(ReadyState state);

  virtual std::u16string title() const = 0;
  virtual void setTitle(std::u16string_view title) = 0;

  // --- Tree ---------------------------------------------------------------------------------
  Element* documentElement() const;
  DocumentType* doctype() const;
  // The first element in tree order whose id attribute is `id`; null for "".
  Element* getElementById(std::u16string_view id) const;
  // Live lists. In HTML documents the tag name is lower-cased first ("DIV" finds divs).
  RefPtr<ElementList> getElementsByTagName(std::u16string_view name);
  RefPtr<ElementList> getElementsByTagNameNS(std::u16string_view namespaceURI,
                                             std::u16string_view localName);
  RefPtr<ElementList> getElementsByClassName(std::u16string_view names);
  // The elements a tag-name list of this document holds, remembered per name until the tree
  // changes: every new list for the same name (callers ask afresh each time) walks nothing.
  const std::vector<Element*>& elementsByTagName(const std::u16string& foldedName);
  // The anonymous content generated for `element` (see Element::appendAnonymousChild).
  RefPtr<NodeList> anonymousNodesOf(Element& element);

  // --- Factories ----------------------------------------------------------------------------
  // An element of the document's own kind: HTML (name lower-cased) in HTML documents, XUL in
  // XUL documents. InvalidCharacter for a name that is not an XML name.
  RefPtr<Element> createElement(std::u16string_view tagName, DOMError& error);
  RefPtr<Element> createElementNS(std::u16string_view namespaceURI,
                                  std::u16string_view qualifiedName, DOMError& error);
  RefPtr<Text> createTextNode(std::u16string_view data);
  RefPtr<Comment> createComment(std::u16string_view data);
  // NotSupported in HTML documents, as in Gecko.
  RefPtr<CDATASection> createCDATASection(std::u16string_view data, DOMError& error);
  RefPtr<ProcessingInstruction> createProcessingInstruction(std::u16string_view target,
                                                            std::u16string_view data,
                                                            DOMError& error);
  RefPtr<DocumentFragment> createDocumentFragment();
  RefPtr<Attr> createAttribute(std::u16string_view name, DOMError& error);
  RefPtr<Attr> createAttributeNS(std::u16string_view namespaceURI,
                                 std::u16string_view qualifiedName, DOMError& error);
  // A copy of a node of any document, owned by this one. NotSupported for documents.
  RefPtr<Node> importNode(const Node& node, bool deep, DOMError& error);
  // Takes a node out of its tree and makes it this document's. NotSupported for documents.
  DOMError adoptNode(Node& node);
  // The element object for a name, without checks: how the parsers make elements.
  RefPtr<Element> createElementUnchecked(std::u16string_view namespaceURI,
                                         std::u16string_view prefix, std::u16string_view localName);

  // --- Focus --------------------------------------------------------------------------------
  // The element that has the keyboard focus within this document, or null. The shell sets it;
  // it is cleared when the element leaves the document.
  Element* focusedElement() const { return mFocusedElement.get(); }

  // --- Id map (told by Node and Element) -----------------------------------------------------
  // A subtree was connected to this document's tree, or taken out of it.
  void subtreeEnteredTree(Node& root);
  void subtreeLeftTree(Node& root);
  // The id attribute of an element in this document's tree changed.
  void idChanged(Element& element) { mIds.update(element); }
  void setFocusedElement(Element* element);
  // nsIDOMNSDocument's activeElement: the focused element; otherwise the body of an HTML
  // document (null without one), the root element of others.
  virtual Element* activeElement() const;
  // Whether the document's window is the focused window of its top-level window.
  bool hasFocus() const;

  // --- Shell --------------------------------------------------------------------------------
  // The shell that shows the document (weak), null when it is not shown. The shell sets it when
  // it takes the document and clears it before it lets go.
  DocumentContainer* container() const { return mContainer; }
  // A document leaving its shell also lets go of the tag-name lists it kept: they hold the
  // document, and are kept only while something else (the shell) does too.
  void setContainer(DocumentContainer* container);
  // Layout, brought up to date; null when the document is not shown or not laid out.
  LayoutQuery* layout() const;
  // The element whose box is topmost at a viewport point (CSS pixels), or null.
  Element* elementFromPoint(int x, int y) const;

  // --- Change notification -------------------------------------------------------------------
  // A node of this document changed: live lists must recompute and, when the change is in the
  // shown tree, the container hears documentChanged() (once per batch).
  void nodeChanged(Node& node);
  void beginMutationBatch() { ++mBatchDepth; }
  void endMutationBatch();
  // A script inserted into the shown tree, to run when the current change is complete.
  void queueInsertedScript(HTMLScriptElement& script);

  // "MM/DD/YYYY hh:mm:ss" as the loader found it; the creation time until it says.
  const std::u16string& lastModified() const { return mLastModified; }
  void setLastModified(std::u16string_view when) { mLastModified = when; }

  // Node
  std::u16string nodeName() const override { return u"#document"; }

  // --- XPCOM face ---------------------------------------------------------------------------
  // The document as nsIDOMDocument, of its most derived chain (see Node::asDOMNode).
  virtual nsIDOMDocument* asDOMDocument() { return this; }
  nsIDOMNode* asDOMNode() override { return asDOMDocument(); }
  nsIDocument* asIDocument() { return this; }

  // nsISupports, nsIDOMNode
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Node)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_DECL_NSIDOMDOCUMENT
  NS_DECL_NSIDOMNSDOCUMENT
  NS_DECL_NSIDOMDOCUMENTXBL
  // nsIDocument
  nsIURI* GetDocumentURI() const override;
  nsIPresShell* GetPrimaryShell() const override;
  nsIDocument* GetParentDocument() const override;
  nsIContent* GetRootContent() const override;
  nsIScriptGlobalObject* GetScriptGlobalObject() const override;
  nsPIDOMWindow* GetWindow() override;
  already_AddRefed<nsISupports> GetContainer() const override;

 protected:
  Document(DocumentKind kind, const net::URI& url);
  ~Document() override;

  // Node
  void* interfaceFor(const nsIID& iid) override;
  bool allowsChild(const Node& child, const Node* replacing) const override;
  RefPtr<Node> cloneSelf(Document& document) const override { return nullptr; }

 private:
  friend class Element;
  // Called when an element leaves the tree: it may have had the focus.
  void elementRemoved(Element& element);

  DocumentKind mKind;
  net::URI mURL;
  ReadyState mReadyState = ReadyState::Uninitialized;
  DocumentContainer* mContainer = nullptr;  // weak; the shell owns the document
  RefPtr<Element> mFocusedElement;
  IdMap mIds;
  // What getElementsByTagName's lists hold, per folded name, while the tree is unchanged, and
  // the list itself: asked again for the same name, the document hands out the same list.
  struct TagMatches {
    uint64_t generation = UINT64_MAX;
    std::vector<Element*> elements;  // weak: valid while the generation is current
    RefPtr<ElementList> list;        // kept only while the document is shown (see setContainer)
  };
  std::unordered_map<std::u16string, TagMatches> mTagMatches;
  // The last names asked for, as given, with the lists kept for them: callers ask for the same
  // few names over and over (the product: FRAME and IFRAME at every frame level), and this
  // spares folding and hashing the name. Cleared with the kept lists.
  struct RecentTagList {
    std::u16string name;
    ElementList* list = nullptr;  // weak: held by mTagMatches
  };
  std::array<RecentTagList, 4> mRecentTagLists;
  size_t mNextRecentTagList = 0;
  void rememberRecentTagList(std::u16string_view name, ElementList* list);
  void runQueuedScripts();

  int mBatchDepth = 0;
  bool mChangePending = false;
  std::vector<RefPtr<HTMLScriptElement>> mQueuedScripts;
  std::u16string mLastModified;
  std::u16string mDirection = u"ltr";
  mutable nsCOMPtr<nsIURI> mURIObject;  // made on first request, dropped when the URL changes
};

}  // namespace geckohost::dom

#endif
