// The base of every DOM node: its type, its place in the tree, tree mutation with the DOM's
// hierarchy rules, and text content.
//
// Ownership: a parent holds its children (RefPtr); a child points to its parent weakly, and to
// its owner document through the shared DocumentLink. A node taken out of the tree lives while
// someone holds it. Every change to a tree is reported to the owner document, which bumps the
// tree generation (live lists recompute) and tells its container, if it is shown.
#ifndef GECKOHOST_DOM_NODE_H
#define GECKOHOST_DOM_NODE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dom/CountedObject.h"
#include "dom/DOMError.h"
#include "dom/DocumentLink.h"
#include "dom/RefPtr.h"
#include "nsIDOM3Node.h"
#include "nsIDOMNode.h"

class nsIContent;

// Not an interface: QueryInterface with this IID answers the host node behind an interface
// pointer (with a reference added), or fails for objects that are not the host's nodes.
#define GECKOHOST_DOM_NODE_IID                       \
  {                                                  \
    0x3c2d5f7e, 0x8a41, 0x4c0b, {                    \
      0x9e, 0x6d, 0x21, 0x7a, 0xb4, 0x50, 0xc3, 0x18 \
    }                                                \
  }

// For a node class that adds interface chains of its own: every chain answers the node's one
// reference count and one QueryInterface.
#define GECKOHOST_FORWARD_NODE_NSISUPPORTS(_base)                         \
  NS_IMETHOD_(nsrefcnt) AddRef() override {                               \
    return _base::AddRef();                                               \
  }                                                                       \
  NS_IMETHOD_(nsrefcnt) Release() override {                              \
    return _base::Release();                                              \
  }                                                                       \
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override { \
    return _base::QueryInterface(aIID, aResult);                          \
  }

namespace geckohost::dom {

class Document;
class Element;

enum class NodeType : uint16_t {
  Element = 1,
  Attribute = 2,
  Text = 3,
  CDATASection = 4,
  ProcessingInstruction = 7,
  Comment = 8,
  Document = 9,
  DocumentType = 10,
  DocumentFragment = 11,
};

class Node : public CountedObject, public nsIDOMNode, public nsIDOM3Node {
 public:
  NodeType nodeType() const { return mType; }
  bool isElement() const { return mType == NodeType::Element; }
  bool isText() const { return mType == NodeType::Text || mType == NodeType::CDATASection; }
  bool isCharacterData() const;

  // The DOM's nodeName: "DIV" for a div of an HTML document, "#text", "#document", ...
  virtual std::u16string nodeName() const = 0;
  // The DOM's nodeValue: the data of text, comments and attributes; null for the others.
  std::optional<std::u16string> nodeValue() const {
    const std::u16string* value = storedNodeValue();
    return value ? std::optional<std::u16string>(*value) : std::nullopt;
  }
  // The same, as the node stores it (no copy); null where nodeValue is null.
  virtual const std::u16string* storedNodeValue() const { return nullptr; }
  // Sets the data where nodeValue is not null; no effect elsewhere (as the DOM says).
  virtual void setNodeValue(std::u16string_view value) {}

  // --- Tree ---------------------------------------------------------------------------------
  Node* parentNode() const { return mParent; }
  Element* parentElement() const;
  // The document the node belongs to: null for a document itself, and null once that document
  // is gone.
  Document* ownerDocument() const;
  // The owner document, or the node itself when it is a document.
  Document* documentOrSelf() const { return mDocumentLink ? mDocumentLink->document() : nullptr; }
  // Whether the node is in its document's tree (its root is the document).
  bool isInDocument() const;
  // The document whose child lists lead down to this node (the node itself for a document);
  // null outside a document and inside anonymous content.
  Document* treeDocument() const;

  uint32_t childCount() const { return uint32_t(mChildren.size()); }
  bool hasChildNodes() const { return !mChildren.empty(); }
  Node* childAt(uint32_t index) const;
  // The children's nsIContent faces in order (null for a child that is no content), kept beside
  // the children as Gecko's child array keeps content pointers.
  nsIContent* const* contentChildren() const { return mContentChildren.data(); }
  Node* firstChild() const { return childAt(0); }
  Node* lastChild() const;
  Node* previousSibling() const;
  Node* nextSibling() const;
  // Position among the parent's children; meaningless without a parent.
  uint32_t indexInParent() const { return mIndexInParent; }

  // Whether `other` is this node or one of its descendants.
  bool contains(const Node& other) const;
  // The next node in tree order (pre-order) that lies inside `scope`, or null.
  // Walks a whole subtree without recursion: for (n = root.firstChild(); n; n = n->next(&root)).
  Node* nextInTreeOrder(const Node* scope) const;
  // As nextInTreeOrder, but skipping this node's own descendants.
  Node* nextSkippingChildren(const Node* scope) const;

  // --- Mutation (the DOM's rules; on failure nothing changes) ------------------------------------
  // Inserts `newChild` (or a fragment's children) before `refChild`, or last when it is null.
  // Errors: HierarchyRequest (an ancestor of this node, a type this node cannot hold, a second
  // root element), NotFound (refChild is not a child of this node).
  DOMError insertBefore(Node& newChild, Node* refChild);
  DOMError appendChild(Node& newChild) { return insertBefore(newChild, nullptr); }
  DOMError removeChild(Node& oldChild);
  DOMError replaceChild(Node& newChild, Node& oldChild);
  void removeAllChildren();
  // Where a tree being filled by a parser lies, worked out once for the whole parse.
  struct TreePlace {
    Document* treeDocument = nullptr;  // weak; as treeDocument() of the node filled
    bool inDocument = false;           // as isInDocument() of the node filled
  };
  // A parser's append of a node it just made in this node's document, without parent or
  // children, below a node inside the tree `place` describes. appendChild's checks walk every
  // ancestor; here every append costs the same however deep the page nests.
  void appendParsedChild(Node& child, const TreePlace& place);
  // Tells this node that the data of one of its text children changed.
  void childDataChanged() { childrenChanged(); }

  // --- Content ------------------------------------------------------------------------------
  // The text of all descendant text nodes for elements and fragments; the data for text,
  // comments, attributes; null for documents and doctypes.
  std::optional<std::u16string> textContent() const;
  // Replaces the children by one text node (none when `text` is empty), or sets the data.
  void setTextContent(std::u16string_view text);

  // Joins adjacent text nodes and drops empty ones, throughout the subtree.
  void normalize();

  // Moves this node, and all it holds, to `document`: what adoptNode and inserting a node of
  // another document do once the node is out of its old tree.
  void adoptInto(Document& document) { setOwnerDocument(document); }

  // A copy in the same document; `deep` copies the descendants too.
  RefPtr<Node> cloneNode(bool deep) const;

  // Bumped by every change to any tree: live lists compare it to know they must recompute.
  static uint64_t treeGeneration();

  // --- XPCOM face ---------------------------------------------------------------------------
  // The node as nsIDOMNode, and its nsISupports identity: the nsIDOMNode of the node's most
  // derived interface chain, as in Gecko, where a node has only that one. Every pointer this
  // node hands out for a DOM chain interface (QueryInterface, out-parameters) is of the same
  // chain, so an implicit upcast (nsIDOMHTMLInputElement* to nsIDOMNode*) gives what
  // QueryInterface gives.
  virtual nsIDOMNode* asDOMNode() { return this; }
  // The host node behind an interface pointer, or null for a foreign object or null.
  static Node* fromDOM(nsISupports* object);
  // The node as nsIContent (elements and character data), or null.
  virtual nsIContent* asContent() { return nullptr; }

  // nsISupports
  NS_IMETHOD_(nsrefcnt) AddRef() override { return addRef(); }
  NS_IMETHOD_(nsrefcnt) Release() override { return release(); }
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override;
  NS_DECL_NSIDOMNODE
  NS_DECL_NSIDOM3NODE

 protected:
  // `document` is null only for a document, which links itself afterwards (linkToSelf).
  Node(NodeType type, Document* document);
  ~Node() override;

  void linkToSelf(Document& self);
  // Tells the nodes that share this document's link that the document is gone.
  void unlinkSelf() { mDocumentLink->clear(); }

  // Whether this node may hold `child` (not counting the ancestor rule). `replacing` is the
  // child that `child` is about to replace, if any. Elements and fragments hold elements and
  // character data; a document its own rules; leaves nothing.
  virtual bool allowsChild(const Node& child, const Node* replacing) const;

  // The interface pointer this node answers for `iid`, beyond nsISupports, nsIDOMNode and
  // nsIDOM3Node; null when it answers none. Classes add their own and ask their base.
  virtual void* interfaceFor(const nsIID& iid) { return nullptr; }

  // A copy of this node alone, owned by `document`.
  virtual RefPtr<Node> cloneSelf(Document& document) const = 0;

  // Called on this node after its list of children changed.
  virtual void childrenChanged() {}
  // Called on every node of a subtree that was just connected to its document's tree, parents
  // before children.
  virtual void insertedIntoDocument() {}
  // Called on every node of a subtree that was just taken out of `document`'s tree.
  virtual void removedFromDocument(Document& document) {}

  // Reports a change of this node (or its subtree) to the owner document.
  void notifyChanged();

  // Moves this node and its subtree to another document's link, walking the subtree without
  // recursion.
  void setOwnerDocument(Document& document);
  // Moves this one node, and what it holds besides its children, to another document's link.
  // Elements override it to move their attributes and anonymous content along.
  virtual void moveOwnLinkTo(Document& document);

  // Anonymous content (XBL-style) hangs below its host without being one of its children: its
  // parent is the host, it has no siblings, and the host's child list does not show it.
  void attachAnonymousChild(Node& child);
  static void detachAnonymousChild(Node& child);
  static bool isAnonymousChild(const Node& node) { return node.mIndexInParent == kAnonymous; }

 private:
  bool canInsert(const Node& newChild, const Node* replacing, DOMError& error) const;
  void insertChildAt(RefPtr<Node> child, uint32_t index);
  RefPtr<Node> removeChildAt(uint32_t index);
  void renumberChildrenFrom(uint32_t index);
  void appendTextTo(std::u16string& out) const;
  // normalize() for this node's own children: adjacent texts merged, empty ones removed.
  void mergeTextChildren();

  static constexpr uint32_t kAnonymous = UINT32_MAX;

  NodeType mType;
  Node* mParent = nullptr;  // weak; the parent owns this node
  uint32_t mIndexInParent = 0;
  RefPtr<DocumentLink> mDocumentLink;
  std::vector<RefPtr<Node>> mChildren;
  std::vector<nsIContent*> mContentChildren;  // changed with mChildren, entry for entry
};

}  // namespace geckohost::dom

#endif
