#include "dom/Node.h"

#include "dom/CharacterData.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/MutationBatch.h"
#include "dom/Text.h"

namespace geckohost::dom {

namespace {
uint64_t g_treeGeneration = 0;  // one thread, like Gecko's main thread
}

uint64_t Node::treeGeneration() {
  return g_treeGeneration;
}

Node::Node(NodeType type, Document* document) : mType(type) {
  if (document)
    mDocumentLink = document->mDocumentLink;
}

namespace {

// Children of nodes being destroyed, while the outermost destructor releases them one by one:
// releasing a child from inside its parent's destructor would nest one destructor per level of
// the tree, and pages nest deeper than the stack allows.
thread_local std::vector<RefPtr<Node>>* t_orphans = nullptr;

}  // namespace

Node::~Node() {
  // Children that someone else still holds become roots of their own.
  for (auto& child : mChildren)
    child->mParent = nullptr;
  // Last child first onto the stack, so that they go in document order.
  std::vector<RefPtr<Node>> own;
  std::vector<RefPtr<Node>>& orphans = t_orphans ? *t_orphans : own;
  for (auto child = mChildren.rbegin(); child != mChildren.rend(); ++child)
    orphans.push_back(std::move(*child));
  if (t_orphans)
    return;
  t_orphans = &own;
  while (!own.empty()) {
    RefPtr<Node> next = std::move(own.back());
    own.pop_back();
  }
  t_orphans = nullptr;
}

void Node::linkToSelf(Document& self) {
  mDocumentLink = new DocumentLink(&self);
}

bool Node::isCharacterData() const {
  switch (mType) {
    case NodeType::Text:
    case NodeType::CDATASection:
    case NodeType::Comment:
    case NodeType::ProcessingInstruction:
      return true;
    default:
      return false;
  }
}

Element* Node::parentElement() const {
  return mParent && mParent->isElement() ? static_cast<Element*>(mParent) : nullptr;
}

Document* Node::ownerDocument() const {
  return mType == NodeType::Document ? nullptr : documentOrSelf();
}

bool Node::isInDocument() const {
  const Node* root = this;
  while (root->mParent)
    root = root->mParent;
  return root->mType == NodeType::Document;
}

Document* Node::treeDocument() const {
  const Node* root = this;
  for (; root->mParent; root = root->mParent) {
    if (root->mIndexInParent == kAnonymous)
      return nullptr;
  }
  return root->mType == NodeType::Document ? static_cast<Document*>(const_cast<Node*>(root))
                                           : nullptr;
}

Node* Node::childAt(uint32_t index) const {
  return index < mChildren.size() ? mChildren[index].get() : nullptr;
}

Node* Node::lastChild() const {
  return mChildren.empty() ? nullptr : mChildren.back().get();
}

Node* Node::previousSibling() const {
  if (!mParent || mIndexInParent == kAnonymous || mIndexInParent == 0)
    return nullptr;
  return mParent->childAt(mIndexInParent - 1);
}

Node* Node::nextSibling() const {
  if (!mParent || mIndexInParent == kAnonymous)
    return nullptr;
  return mParent->childAt(mIndexInParent + 1);
}

bool Node::contains(const Node& other) const {
  for (const Node* node = &other; node; node = node->mParent) {
    if (node == this)
      return true;
  }
  return false;
}

Node* Node::nextInTreeOrder(const Node* scope) const {
  if (Node* child = firstChild())
    return child;
  return nextSkippingChildren(scope);
}

Node* Node::nextSkippingChildren(const Node* scope) const {
  for (const Node* node = this; node && node != scope; node = node->mParent) {
    if (Node* sibling = node->nextSibling())
      return sibling;
  }
  return nullptr;
}

bool Node::allowsChild(const Node& child, const Node* replacing) const {
  switch (child.mType) {
    case NodeType::Element:
    case NodeType::Text:
    case NodeType::CDATASection:
    case NodeType::Comment:
    case NodeType::ProcessingInstruction:
      return mType == NodeType::Element || mType == NodeType::DocumentFragment;
    default:
      return false;
  }
}

bool Node::canInsert(const Node& newChild, const Node* replacing, DOMError& error) const {
  error = DOMError::HierarchyRequest;
  // A node without children holds no ancestor of this one: no walk up for the common append.
  if (newChild.hasChildNodes() ? newChild.contains(*this) : &newChild == this)
    return false;
  if (newChild.mType != NodeType::DocumentFragment)
    return allowsChild(newChild, replacing);
  for (const auto& child : newChild.mChildren) {
    if (!allowsChild(*child, replacing))
      return false;
  }
  // A document takes a fragment with at most one element (the rule for its root).
  if (mType == NodeType::Document) {
    int elements = 0;
    for (const auto& child : newChild.mChildren)
      elements += child->isElement() ? 1 : 0;
    if (elements > 1)
      return false;
  }
  return true;
}

DOMError Node::insertBefore(Node& newChild, Node* refChild) {
  if (refChild && (refChild->mParent != this || refChild->mIndexInParent == kAnonymous)) {
    return DOMError::NotFound;
  }
  DOMError error;
  if (!canInsert(newChild, nullptr, error))
    return error;
  if (refChild == &newChild)
    refChild = newChild.nextSibling();

  RefPtr<Node> keep(&newChild);
  MutationBatch batch(documentOrSelf());
  if (Node* oldParent = newChild.mParent)
    oldParent->removeChild(newChild);

  std::vector<RefPtr<Node>> inserted;
  if (newChild.mType == NodeType::DocumentFragment) {
    while (newChild.hasChildNodes())
      inserted.push_back(newChild.removeChildAt(0));
    newChild.childrenChanged();
    newChild.notifyChanged();
  } else {
    inserted.push_back(keep);
  }
  uint32_t index = refChild ? refChild->mIndexInParent : childCount();
  Document* document = documentOrSelf();
  for (auto& child : inserted) {
    if (document && child->documentOrSelf() != document)
      child->setOwnerDocument(*document);
    insertChildAt(child, index++);
  }
  childrenChanged();
  if (Document* tree = treeDocument()) {
    for (auto& child : inserted)
      tree->subtreeEnteredTree(*child);
  }
  if (isInDocument()) {
    for (auto& child : inserted) {
      for (Node* node = child.get(); node; node = node->nextInTreeOrder(child.get())) {
        node->insertedIntoDocument();
      }
    }
  }
  notifyChanged();
  return DOMError::None;
}

DOMError Node::removeChild(Node& oldChild) {
  if (oldChild.mParent != this || oldChild.mIndexInParent == kAnonymous) {
    return DOMError::NotFound;
  }
  bool wasInDocument = isInDocument();
  Document* tree = treeDocument();
  RefPtr<Node> removed = removeChildAt(oldChild.mIndexInParent);
  childrenChanged();
  if (tree)
    tree->subtreeLeftTree(*removed);
  Document* document = documentOrSelf();
  if (wasInDocument && document) {
    for (Node* node = removed.get(); node; node = node->nextInTreeOrder(removed.get())) {
      node->removedFromDocument(*document);
    }
  }
  notifyChanged();
  return DOMError::None;
}

DOMError Node::replaceChild(Node& newChild, Node& oldChild) {
  if (oldChild.mParent != this || oldChild.mIndexInParent == kAnonymous) {
    return DOMError::NotFound;
  }
  DOMError error;
  if (!canInsert(newChild, &oldChild, error))
    return error;
  if (&newChild == &oldChild)
    return DOMError::None;
  MutationBatch batch(documentOrSelf());
  RefPtr<Node> keepOld(&oldChild);
  Node* reference = oldChild.nextSibling();
  if (reference == &newChild)
    reference = newChild.nextSibling();
  removeChild(oldChild);
  return insertBefore(newChild, reference);
}

void Node::appendParsedChild(Node& child, const TreePlace& place) {
  RefPtr<Node> keep(&child);
  MutationBatch batch(documentOrSelf());
  insertChildAt(keep, childCount());
  childrenChanged();
  if (place.treeDocument)
    place.treeDocument->subtreeEnteredTree(child);
  if (place.inDocument)
    child.insertedIntoDocument();
  notifyChanged();
}

void Node::removeAllChildren() {
  if (mChildren.empty())
    return;
  MutationBatch batch(documentOrSelf());
  while (Node* child = lastChild())
    removeChild(*child);
}

void Node::insertChildAt(RefPtr<Node> child, uint32_t index) {
  child->mParent = this;
  mContentChildren.insert(mContentChildren.begin() + index, child->asContent());
  mChildren.insert(mChildren.begin() + index, std::move(child));
  renumberChildrenFrom(index);
}

RefPtr<Node> Node::removeChildAt(uint32_t index) {
  RefPtr<Node> child = std::move(mChildren[index]);
  mChildren.erase(mChildren.begin() + index);
  mContentChildren.erase(mContentChildren.begin() + index);
  renumberChildrenFrom(index);
  child->mParent = nullptr;
  child->mIndexInParent = 0;
  return child;
}

void Node::renumberChildrenFrom(uint32_t index) {
  for (uint32_t i = index; i < mChildren.size(); ++i)
    mChildren[i]->mIndexInParent = i;
}

void Node::setOwnerDocument(Document& document) {
  for (Node* node = this; node; node = node->nextInTreeOrder(this))
    node->moveOwnLinkTo(document);
}

void Node::moveOwnLinkTo(Document& document) {
  mDocumentLink = document.mDocumentLink;
}

void Node::attachAnonymousChild(Node& child) {
  child.mParent = this;
  child.mIndexInParent = kAnonymous;
}

void Node::detachAnonymousChild(Node& child) {
  child.mParent = nullptr;
  child.mIndexInParent = 0;
}

void Node::notifyChanged() {
  ++g_treeGeneration;
  if (Document* document = documentOrSelf())
    document->nodeChanged(*this);
}

std::optional<std::u16string> Node::textContent() const {
  switch (mType) {
    case NodeType::Document:
    case NodeType::DocumentType:
      return std::nullopt;
    case NodeType::Element:
    case NodeType::DocumentFragment: {
      std::u16string text;
      appendTextTo(text);
      return text;
    }
    default:
      return nodeValue();
  }
}

void Node::appendTextTo(std::u16string& out) const {
  for (const Node* node = firstChild(); node; node = node->nextInTreeOrder(this)) {
    if (node->isText())
      out += static_cast<const CharacterData*>(node)->data();
  }
}

void Node::setTextContent(std::u16string_view text) {
  switch (mType) {
    case NodeType::Document:
    case NodeType::DocumentType:
      return;
    case NodeType::Element:
    case NodeType::DocumentFragment:
      break;
    default:
      setNodeValue(text);
      return;
  }
  Document* document = documentOrSelf();
  MutationBatch batch(document);
  removeAllChildren();
  if (!text.empty() && document)
    appendChild(*document->createTextNode(text));
}

void Node::normalize() {
  MutationBatch batch(documentOrSelf());
  // Each node's own children first, then on down in tree order: merging one node's text
  // children changes nothing below its other children, and nothing nests on the call stack.
  for (Node* node = this; node; node = node->nextInTreeOrder(this))
    node->mergeTextChildren();
}

void Node::mergeTextChildren() {
  for (uint32_t i = 0; i < mChildren.size();) {
    if (mChildren[i]->mType != NodeType::Text) {
      ++i;
      continue;
    }
    auto& text = static_cast<CharacterData&>(*mChildren[i]);
    while (Node* next = text.nextSibling()) {
      if (next->mType != NodeType::Text)
        break;
      text.appendData(static_cast<CharacterData*>(next)->data());
      removeChild(*next);
    }
    if (text.length() == 0) {
      removeChild(text);
    } else {
      ++i;
    }
  }
}

// The copy of each node goes below the copy of its parent as the walk reaches it, and each
// copy hears that its children changed once the walk leaves it: the original's subtree is
// walked in tree order with a stack of the copies being filled, not one call per level.
RefPtr<Node> Node::cloneNode(bool deep) const {
  Document* document = documentOrSelf();
  if (!document)
    return nullptr;
  RefPtr<Node> copy = cloneSelf(*document);
  if (!copy || !deep)
    return copy;
  struct Open {
    const Node* original;
    Node* copy;  // weak; its parent copy (or `copy`) holds it
    uint32_t next;
  };
  std::vector<Open> open{{this, copy.get(), 0}};
  while (!open.empty()) {
    Open& top = open.back();
    if (top.next == top.original->childCount()) {
      top.copy->childrenChanged();
      open.pop_back();
      continue;
    }
    const Node& child = *top.original->mChildren[top.next++];
    RefPtr<Node> childCopy = child.cloneSelf(*document);
    if (!childCopy)
      continue;
    Node* parentCopy = top.copy;
    parentCopy->insertChildAt(childCopy, parentCopy->childCount());
    open.push_back({&child, childCopy.get(), 0});
  }
  return copy;
}

}  // namespace geckohost::dom
