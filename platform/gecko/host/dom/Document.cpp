#include "dom/Document.h"

#include <ctime>

#include "dom/Attr.h"
#include "dom/CDATASection.h"
#include "dom/Comment.h"
#include "dom/DOMStrings.h"
#include "dom/DocumentContainer.h"
#include "dom/DocumentFragment.h"
#include "dom/DocumentType.h"
#include "dom/Element.h"
#include "dom/ElementFactory.h"
#include "dom/ElementList.h"
#include "dom/HTMLScriptElement.h"
#include "dom/ProcessingInstruction.h"
#include "dom/StaticNodeList.h"
#include "dom/Text.h"
#include "layout/LayoutQuery.h"

namespace geckohost::dom {

namespace {

// Now, as Gecko writes a document's lastModified when the server gives none.
std::u16string currentTimeText() {
  std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%S", std::localtime(&now));
  return asciiToUTF16(text);
}

}  // namespace

Document::Document(DocumentKind kind, const net::URI& url)
    : Node(NodeType::Document, nullptr), mKind(kind), mURL(url), mLastModified(currentTimeText()) {
  linkToSelf(*this);
}

void Document::setURL(const net::URI& url) {
  mURL = url;
  mURIObject = nullptr;
}

Document::~Document() {
  unlinkSelf();
}

void Document::setContainer(DocumentContainer* container) {
  mContainer = container;
  if (container)
    return;
  for (auto& [name, matches] : mTagMatches)
    matches.list = nullptr;
  mRecentTagLists.fill(RecentTagList());
}

std::u16string Document::contentType() const {
  return isHTMLDocument() ? u"text/html" : u"application/vnd.mozilla.xul+xml";
}

std::u16string_view Document::readyStateName(ReadyState state) {
  switch (state) {
    case ReadyState::Uninitialized:
      return u"uninitialized";
    case ReadyState::Loading:
      return u"loading";
    case ReadyState::Interactive:
      return u"interactive";
    case ReadyState::Complete:
      return u"complete";
  }
  return u"uninitialized";
}

// --- Tree --------------------------------------------------------------------------------------

Element* Document::documentElement() const {
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (child->isElement())
      return static_cast<Element*>(child);
  }
  return nullptr;
}

DocumentType* Document::doctype() const {
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (child->nodeType() == NodeType::DocumentType)
      return static_cast<DocumentType*>(child);
  }
  return nullptr;
}

Element* Document::getElementById(std::u16string_view id) const {
  return id.empty() ? nullptr : mIds.first(id);
}

void Document::subtreeEnteredTree(Node& root) {
  for (Node* node = &root; node; node = node->nextInTreeOrder(&root)) {
    if (node->isElement())
      mIds.add(*static_cast<Element*>(node));
  }
}

void Document::subtreeLeftTree(Node& root) {
  for (Node* node = &root; node; node = node->nextInTreeOrder(&root)) {
    if (node->isElement())
      mIds.remove(*static_cast<Element*>(node));
  }
}

RefPtr<ElementList> Document::getElementsByTagName(std::u16string_view name) {
  for (const RecentTagList& recent : mRecentTagLists) {
    if (recent.list && recent.name == name)
      return recent.list;
  }
  std::u16string folded = isHTMLDocument() ? asciiLowerCase(name) : std::u16string(name);
  TagMatches& matches = mTagMatches[folded];
  if (matches.list) {
    rememberRecentTagList(name, matches.list.get());
    return matches.list;
  }
  RefPtr<ElementList> list =
      new ElementList(*this, [folded](Node& root, std::vector<Element*>& out) {
        const std::vector<Element*>& found = static_cast<Document&>(root).elementsByTagName(folded);
        out.assign(found.begin(), found.end());
      });
  // A shown document hands out the same list for the same name, as Gecko's content-list cache
  // does: the product asks for a page's FRAME and IFRAME lists at every frame level of every
  // bounds. The list holds the document, so it is kept only while the document is shown.
  if (mContainer) {
    matches.list = list;
    rememberRecentTagList(name, list.get());
  }
  return list;
}

void Document::rememberRecentTagList(std::u16string_view name, ElementList* list) {
  RecentTagList& slot = mRecentTagLists[mNextRecentTagList];
  slot.name = name;
  slot.list = list;
  mNextRecentTagList = (mNextRecentTagList + 1) % mRecentTagLists.size();
}

const std::vector<Element*>& Document::elementsByTagName(const std::u16string& foldedName) {
  TagMatches& matches = mTagMatches[foldedName];
  if (matches.generation == Node::treeGeneration())
    return matches.elements;
  matches.generation = Node::treeGeneration();
  matches.elements.clear();
  ElementList::Matcher matcher = ElementList::tagNameMatcher(foldedName);
  for (Node* node = firstChild(); node; node = node->nextInTreeOrder(this)) {
    if (node->isElement() && matcher(*static_cast<Element*>(node)))
      matches.elements.push_back(static_cast<Element*>(node));
  }
  return matches.elements;
}

RefPtr<ElementList> Document::getElementsByTagNameNS(std::u16string_view namespaceURI,
                                                     std::u16string_view localName) {
  return ElementList::byTagNameNS(*this, namespaceURI, localName);
}

RefPtr<ElementList> Document::getElementsByClassName(std::u16string_view names) {
  return ElementList::byClassNames(*this, splitOnHTMLWhitespace(names));
}

RefPtr<NodeList> Document::anonymousNodesOf(Element& element) {
  return new StaticNodeList(element.anonymousChildren());
}

bool Document::allowsChild(const Node& child, const Node* replacing) const {
  auto hasOther = [&](NodeType type) {
    for (Node* node = firstChild(); node; node = node->nextSibling()) {
      if (node->nodeType() == type && node != replacing && node != &child)
        return true;
    }
    return false;
  };
  switch (child.nodeType()) {
    case NodeType::Element:
      return !hasOther(NodeType::Element);
    case NodeType::DocumentType:
      return !hasOther(NodeType::DocumentType);
    case NodeType::Comment:
    case NodeType::ProcessingInstruction:
      return true;
    default:
      return false;
  }
}

// --- Factories ---------------------------------------------------------------------------------

RefPtr<Element> Document::createElement(std::u16string_view tagName, DOMError& error) {
  error = isValidXMLName(tagName) ? DOMError::None : DOMError::InvalidCharacter;
  if (error != DOMError::None)
    return nullptr;
  if (isHTMLDocument()) {
    return createElementUnchecked(kHTMLNamespaceURI, u"", asciiLowerCase(tagName));
  }
  return createElementUnchecked(kXULNamespaceURI, u"", tagName);
}

RefPtr<Element> Document::createElementNS(std::u16string_view namespaceURI,
                                          std::u16string_view qualifiedName, DOMError& error) {
  std::u16string prefix, localName;
  splitQualifiedName(qualifiedName, prefix, localName);
  error = DOMError::None;
  if (!isValidXMLName(qualifiedName)) {
    error = DOMError::InvalidCharacter;
  } else if (!prefix.empty() && namespaceURI.empty()) {
    error = DOMError::Namespace;
  }
  if (error != DOMError::None)
    return nullptr;
  return createElementUnchecked(namespaceURI, prefix, localName);
}

RefPtr<Element> Document::createElementUnchecked(std::u16string_view namespaceURI,
                                                 std::u16string_view prefix,
                                                 std::u16string_view localName) {
  return ElementFactory::create(*this, namespaceURI, prefix, localName);
}

RefPtr<Text> Document::createTextNode(std::u16string_view data) {
  return new Text(*this, data);
}

RefPtr<Comment> Document::createComment(std::u16string_view data) {
  return new Comment(*this, data);
}

RefPtr<CDATASection> Document::createCDATASection(std::u16string_view data, DOMError& error) {
  error = isHTMLDocument() ? DOMError::NotSupported : DOMError::None;
  return error == DOMError::None ? new CDATASection(*this, data) : nullptr;
}

RefPtr<ProcessingInstruction> Document::createProcessingInstruction(std::u16string_view target,
                                                                    std::u16string_view data,
                                                                    DOMError& error) {
  error = DOMError::None;
  if (!isValidXMLName(target))
    error = DOMError::InvalidCharacter;
  if (isHTMLDocument())
    error = DOMError::NotSupported;
  return error == DOMError::None ? new ProcessingInstruction(*this, target, data) : nullptr;
}

RefPtr<DocumentFragment> Document::createDocumentFragment() {
  return new DocumentFragment(*this);
}

RefPtr<Attr> Document::createAttribute(std::u16string_view name, DOMError& error) {
  error = isValidXMLName(name) ? DOMError::None : DOMError::InvalidCharacter;
  if (error != DOMError::None)
    return nullptr;
  return new Attr(*this, u"", u"", isHTMLDocument() ? asciiLowerCase(name) : std::u16string(name),
                  u"");
}

RefPtr<Attr> Document::createAttributeNS(std::u16string_view namespaceURI,
                                         std::u16string_view qualifiedName, DOMError& error) {
  std::u16string prefix, localName;
  splitQualifiedName(qualifiedName, prefix, localName);
  error = isValidXMLName(qualifiedName) ? DOMError::None : DOMError::InvalidCharacter;
  if (error == DOMError::None && !prefix.empty() && namespaceURI.empty()) {
    error = DOMError::Namespace;
  }
  if (error != DOMError::None)
    return nullptr;
  return new Attr(*this, namespaceURI, prefix, localName, u"");
}

RefPtr<Node> Document::importNode(const Node& node, bool deep, DOMError& error) {
  error = node.nodeType() == NodeType::Document ? DOMError::NotSupported : DOMError::None;
  if (error != DOMError::None)
    return nullptr;
  RefPtr<Node> copy = node.cloneNode(deep);
  if (copy)
    copy->adoptInto(*this);
  return copy;
}

DOMError Document::adoptNode(Node& node) {
  if (node.nodeType() == NodeType::Document)
    return DOMError::NotSupported;
  RefPtr<Node> keep(&node);
  if (Node* parent = node.parentNode())
    parent->removeChild(node);
  node.adoptInto(*this);
  return DOMError::None;
}

// --- Focus -------------------------------------------------------------------------------------

void Document::setFocusedElement(Element* element) {
  if (element && (element->ownerDocument() != this || !element->isInDocument()))
    return;
  mFocusedElement = element;
}

Element* Document::activeElement() const {
  return mFocusedElement ? mFocusedElement.get() : documentElement();
}

bool Document::hasFocus() const {
  return mContainer && mContainer->hasFocus();
}

void Document::elementRemoved(Element& element) {
  if (mFocusedElement == &element)
    mFocusedElement = nullptr;
}

// --- Shell -------------------------------------------------------------------------------------

LayoutQuery* Document::layout() const {
  LayoutQuery* query = mContainer ? mContainer->layout() : nullptr;
  if (query)
    query->flush();
  return query;
}

Element* Document::elementFromPoint(int x, int y) const {
  LayoutQuery* query = layout();
  return query ? query->elementFromPoint(x, y) : nullptr;
}

// --- Change notification -----------------------------------------------------------------------

void Document::nodeChanged(Node& node) {
  if (!mContainer || !node.isInDocument())
    return;
  if (mBatchDepth > 0) {
    mChangePending = true;
    return;
  }
  mContainer->documentChanged();
}

void Document::endMutationBatch() {
  if (--mBatchDepth > 0)
    return;
  if (mChangePending) {
    mChangePending = false;
    if (mContainer)
      mContainer->documentChanged();
  }
  runQueuedScripts();
}

void Document::queueInsertedScript(HTMLScriptElement& script) {
  mQueuedScripts.push_back(&script);
  if (mBatchDepth == 0)
    runQueuedScripts();
}

// Scripts may change the tree and queue further scripts; each round takes the queue as it is.
void Document::runQueuedScripts() {
  while (!mQueuedScripts.empty() && mContainer) {
    std::vector<RefPtr<HTMLScriptElement>> scripts;
    scripts.swap(mQueuedScripts);
    for (auto& script : scripts) {
      if (mContainer && script->isInDocument() && script->ownerDocument() == this) {
        mContainer->runInsertedScript(*script);
      }
    }
  }
  mQueuedScripts.clear();
}

}  // namespace geckohost::dom
