// Node's XPCOM face: nsISupports, nsIDOMNode and nsIDOM3Node over the plain tree methods.
#include "dom/AttributeMap.h"
#include "dom/ChildNodeList.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/Node.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

namespace {

const nsIID kNodeIID = GECKOHOST_DOM_NODE_IID;

// The name parts that only elements and attributes have.
// A node's namespace, prefix and local name, read in place; null for a node without them.
struct NameParts {
  const std::u16string* namespaceURI = nullptr;
  const std::u16string* prefix = nullptr;
  const std::u16string* localName = nullptr;
};

NameParts namePartsOf(const Node& node) {
  if (node.isElement()) {
    const auto& element = static_cast<const Element&>(node);
    return {&element.namespaceURI(), &element.prefix(), &element.localName()};
  }
  if (node.nodeType() == NodeType::Attribute) {
    const auto& attr = static_cast<const Attr&>(node);
    return {&attr.namespaceURI(), &attr.prefix(), &attr.localName()};
  }
  return {};
}

// A missing part reads as empty, as the DOM compares names.
std::u16string_view textOf(const std::u16string* part) {
  return part ? std::u16string_view(*part) : std::u16string_view();
}

const std::u16string* nonEmpty(const std::u16string* part) {
  return part && !part->empty() ? part : nullptr;
}

nsresult mutationResult(DOMError error, nsIDOMNode* node, nsIDOMNode** aResult) {
  if (error != DOMError::None)
    return toNsresult(error);
  return handOut(node, aResult);
}

// The element a node's namespace lookups start from (DOM Level 3's rules).
const Element* namespaceScopeOf(const Node& node) {
  if (node.isElement())
    return static_cast<const Element*>(&node);
  if (node.nodeType() == NodeType::Attribute)
    return static_cast<const Attr&>(node).ownerElement();
  if (node.nodeType() == NodeType::Document) {
    return static_cast<const Document&>(node).documentElement();
  }
  return node.parentElement();
}

std::optional<std::u16string> lookupNamespace(const Element* element, std::u16string_view prefix) {
  for (; element; element = element->parentElement()) {
    if (!element->namespaceURI().empty() && element->prefix() == prefix) {
      return element->namespaceURI();
    }
    std::u16string_view declaration = prefix.empty() ? u"xmlns" : prefix;
    if (auto value = element->getAttributeNS(kXMLNSNamespaceURI, declaration)) {
      return value->empty() ? std::nullopt : value;
    }
  }
  return std::nullopt;
}

bool sameNode(const Node& a, const Node& b);

bool sameChildren(const Node& a, const Node& b) {
  if (a.childCount() != b.childCount())
    return false;
  for (uint32_t i = 0; i < a.childCount(); ++i) {
    if (!sameNode(*a.childAt(i), *b.childAt(i)))
      return false;
  }
  return true;
}

bool sameAttributes(const Element& a, const Element& b) {
  if (a.attributeCount() != b.attributeCount())
    return false;
  for (uint32_t i = 0; i < a.attributeCount(); ++i) {
    const Attr& attr = *a.attributeAt(i);
    auto other = b.getAttributeNS(attr.namespaceURI(), attr.localName());
    if (!other || *other != attr.value())
      return false;
  }
  return true;
}

bool sameNode(const Node& a, const Node& b) {
  if (a.nodeType() != b.nodeType() || a.nodeName() != b.nodeName() ||
      a.nodeValue() != b.nodeValue()) {
    return false;
  }
  NameParts left = namePartsOf(a), right = namePartsOf(b);
  if (textOf(left.namespaceURI) != textOf(right.namespaceURI) ||
      textOf(left.localName) != textOf(right.localName)) {
    return false;
  }
  if (a.isElement() &&
      !sameAttributes(static_cast<const Element&>(a), static_cast<const Element&>(b))) {
    return false;
  }
  return sameChildren(a, b);
}

// The chain from the root down to `node`: its ancestors (an attribute's through its element).
std::vector<const Node*> ancestry(const Node* node) {
  std::vector<const Node*> chain;
  if (node->nodeType() == NodeType::Attribute) {
    chain.push_back(node);
    node = static_cast<const Attr*>(node)->ownerElement();
  }
  for (; node; node = node->parentNode())
    chain.insert(chain.begin(), node);
  return chain;
}

}  // namespace

Node* Node::fromDOM(nsISupports* object) {
  if (!object)
    return nullptr;
  void* node = nullptr;
  if (NS_FAILED(object->QueryInterface(kNodeIID, &node)))
    return nullptr;
  static_cast<Node*>(node)->release();  // the caller's own reference keeps it alive
  return static_cast<Node*>(node);
}

NS_IMETHODIMP Node::QueryInterface(const nsIID& aIID, void** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = nullptr;
  if (aIID.Equals(kNodeIID)) {
    addRef();
    *aResult = this;
    return NS_OK;
  }
  if (aIID.Equals(NS_GET_IID(nsISupports)) || aIID.Equals(NS_GET_IID(nsIDOMNode))) {
    *aResult = asDOMNode();
  } else if (aIID.Equals(NS_GET_IID(nsIDOM3Node))) {
    *aResult = static_cast<nsIDOM3Node*>(this);
  } else {
    *aResult = interfaceFor(aIID);
  }
  if (!*aResult)
    return NS_ERROR_NO_INTERFACE;
  addRef();
  return NS_OK;
}

// --- nsIDOMNode ----------------------------------------------------------------------------------

NS_IMETHODIMP Node::GetNodeName(nsAString& aNodeName) {
  setString(aNodeName, nodeName());
  return NS_OK;
}

NS_IMETHODIMP Node::GetNodeValue(nsAString& aNodeValue) {
  setNullableString(aNodeValue, storedNodeValue());
  return NS_OK;
}

NS_IMETHODIMP Node::SetNodeValue(const nsAString& aNodeValue) {
  setNodeValue(toU16(aNodeValue));
  return NS_OK;
}

NS_IMETHODIMP Node::GetNodeType(PRUint16* aNodeType) {
  NS_ENSURE_ARG_POINTER(aNodeType);
  *aNodeType = PRUint16(nodeType());
  return NS_OK;
}

NS_IMETHODIMP Node::GetParentNode(nsIDOMNode** aParentNode) {
  // For anonymous content this is its host, as Gecko answers for XBL content.
  Node* parent = parentNode();
  return handOut(parent ? parent->asDOMNode() : nullptr, aParentNode);
}

NS_IMETHODIMP Node::GetChildNodes(nsIDOMNodeList** aChildNodes) {
  return handOut<nsIDOMNodeList>(new ChildNodeList(*this), aChildNodes);
}

NS_IMETHODIMP Node::GetFirstChild(nsIDOMNode** aFirstChild) {
  Node* child = firstChild();
  return handOut(child ? child->asDOMNode() : nullptr, aFirstChild);
}

NS_IMETHODIMP Node::GetLastChild(nsIDOMNode** aLastChild) {
  Node* child = lastChild();
  return handOut(child ? child->asDOMNode() : nullptr, aLastChild);
}

NS_IMETHODIMP Node::GetPreviousSibling(nsIDOMNode** aPreviousSibling) {
  Node* sibling = previousSibling();
  return handOut(sibling ? sibling->asDOMNode() : nullptr, aPreviousSibling);
}

NS_IMETHODIMP Node::GetNextSibling(nsIDOMNode** aNextSibling) {
  Node* sibling = nextSibling();
  return handOut(sibling ? sibling->asDOMNode() : nullptr, aNextSibling);
}

NS_IMETHODIMP Node::GetAttributes(nsIDOMNamedNodeMap** aAttributes) {
  NS_ENSURE_ARG_POINTER(aAttributes);
  *aAttributes = nullptr;
  if (!isElement())
    return NS_OK;
  return handOut<nsIDOMNamedNodeMap>(new AttributeMap(static_cast<Element&>(*this)), aAttributes);
}

NS_IMETHODIMP Node::GetOwnerDocument(nsIDOMDocument** aOwnerDocument) {
  Document* document = ownerDocument();
  return handOut(document ? document->asDOMDocument() : nullptr, aOwnerDocument);
}

NS_IMETHODIMP Node::InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* node = fromDOM(newChild);
  if (!node)
    return newChild ? NS_ERROR_DOM_HIERARCHY_REQUEST_ERR : NS_ERROR_NULL_POINTER;
  Node* reference = fromDOM(refChild);
  if (refChild && !reference)
    return NS_ERROR_DOM_NOT_FOUND_ERR;
  return mutationResult(insertBefore(*node, reference), newChild, _retval);
}

NS_IMETHODIMP Node::ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* node = fromDOM(newChild);
  Node* old = fromDOM(oldChild);
  if (!newChild || !oldChild)
    return NS_ERROR_NULL_POINTER;
  if (!node)
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  if (!old)
    return NS_ERROR_DOM_NOT_FOUND_ERR;
  return mutationResult(replaceChild(*node, *old), oldChild, _retval);
}

NS_IMETHODIMP Node::RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* old = fromDOM(oldChild);
  if (!old)
    return oldChild ? NS_ERROR_DOM_NOT_FOUND_ERR : NS_ERROR_NULL_POINTER;
  return mutationResult(removeChild(*old), oldChild, _retval);
}

NS_IMETHODIMP Node::AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) {
  return InsertBefore(newChild, nullptr, _retval);
}

NS_IMETHODIMP Node::HasChildNodes(PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(hasChildNodes());
  return NS_OK;
}

NS_IMETHODIMP Node::CloneNode(PRBool deep, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  RefPtr<Node> copy = cloneNode(deep);
  if (!copy)
    return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  return handOut(copy->asDOMNode(), _retval);
}

NS_IMETHODIMP Node::Normalize() {
  normalize();
  return NS_OK;
}

NS_IMETHODIMP Node::IsSupported(const nsAString& feature, const nsAString& version,
                                PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  std::u16string name = asciiLowerCase(toU16(feature));
  std::u16string level = toU16(version);
  bool known = name == u"core" || name == u"xml" || name == u"html";
  *_retval = toPRBool(known && (level.empty() || level == u"1.0" || level == u"2.0" ||
                                (level == u"3.0" && name != u"html")));
  return NS_OK;
}

NS_IMETHODIMP Node::GetNamespaceURI(nsAString& aNamespaceURI) {
  setNullableString(aNamespaceURI, nonEmpty(namePartsOf(*this).namespaceURI));
  return NS_OK;
}

NS_IMETHODIMP Node::GetPrefix(nsAString& aPrefix) {
  setNullableString(aPrefix, nonEmpty(namePartsOf(*this).prefix));
  return NS_OK;
}

// Renaming nodes is not supported by the host's DOM.
NS_IMETHODIMP Node::SetPrefix(const nsAString& aPrefix) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Node::GetLocalName(nsAString& aLocalName) {
  setNullableString(aLocalName, namePartsOf(*this).localName);
  return NS_OK;
}

NS_IMETHODIMP Node::HasAttributes(PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(isElement() && static_cast<Element*>(this)->attributeCount() > 0);
  return NS_OK;
}

// --- nsIDOM3Node ---------------------------------------------------------------------------------

NS_IMETHODIMP Node::GetBaseURI(nsAString& aBaseURI) {
  Document* document = documentOrSelf();
  setString(aBaseURI, document ? utf8ToUTF16(document->baseURL().spec()) : u"");
  return NS_OK;
}

NS_IMETHODIMP Node::CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  Node* node = fromDOM(other);
  if (!node)
    return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  *_retval = 0;
  if (node == this)
    return NS_OK;
  std::vector<const Node*> mine = ancestry(this), theirs = ancestry(node);
  if (mine.front() != theirs.front()) {
    *_retval = DOCUMENT_POSITION_DISCONNECTED | DOCUMENT_POSITION_IMPLEMENTATION_SPECIFIC |
               (node < this ? PRUint16(DOCUMENT_POSITION_PRECEDING)
                            : PRUint16(DOCUMENT_POSITION_FOLLOWING));
    return NS_OK;
  }
  size_t common = 0;
  while (common < mine.size() && common < theirs.size() && mine[common] == theirs[common]) {
    ++common;
  }
  if (common == mine.size()) {
    *_retval = DOCUMENT_POSITION_CONTAINED_BY | DOCUMENT_POSITION_FOLLOWING;
  } else if (common == theirs.size()) {
    *_retval = DOCUMENT_POSITION_CONTAINS | DOCUMENT_POSITION_PRECEDING;
  } else if (mine[common]->nodeType() == NodeType::Attribute ||
             theirs[common]->nodeType() == NodeType::Attribute) {
    // Attributes come before the children of their element.
    bool mineFirst = mine[common]->nodeType() == NodeType::Attribute;
    *_retval =
        mineFirst ? PRUint16(DOCUMENT_POSITION_FOLLOWING) : PRUint16(DOCUMENT_POSITION_PRECEDING);
  } else {
    bool mineFirst = mine[common]->indexInParent() < theirs[common]->indexInParent();
    *_retval =
        mineFirst ? PRUint16(DOCUMENT_POSITION_FOLLOWING) : PRUint16(DOCUMENT_POSITION_PRECEDING);
  }
  return NS_OK;
}

NS_IMETHODIMP Node::GetTextContent(nsAString& aTextContent) {
  setNullableString(aTextContent, textContent());
  return NS_OK;
}

NS_IMETHODIMP Node::SetTextContent(const nsAString& aTextContent) {
  setTextContent(toU16(aTextContent));
  return NS_OK;
}

NS_IMETHODIMP Node::IsSameNode(nsIDOMNode* other, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(fromDOM(other) == this);
  return NS_OK;
}

NS_IMETHODIMP Node::LookupPrefix(const nsAString& namespaceURI, nsAString& _retval) {
  std::u16string uri = toU16(namespaceURI);
  for (const Element* element = namespaceScopeOf(*this); element && !uri.empty();
       element = element->parentElement()) {
    if (element->namespaceURI() == uri && !element->prefix().empty()) {
      setString(_retval, element->prefix());
      return NS_OK;
    }
    for (uint32_t i = 0; i < element->attributeCount(); ++i) {
      const Attr& attr = *element->attributeAt(i);
      if (attr.ns() == Namespace::XMLNS && attr.prefix() == u"xmlns" && attr.value() == uri) {
        setString(_retval, attr.localName());
        return NS_OK;
      }
    }
  }
  setNullableString(_retval, std::nullopt);
  return NS_OK;
}

NS_IMETHODIMP Node::IsDefaultNamespace(const nsAString& namespaceURI, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  std::optional<std::u16string> found = lookupNamespace(namespaceScopeOf(*this), u"");
  *_retval = toPRBool(found.value_or(u"") == toU16(namespaceURI));
  return NS_OK;
}

NS_IMETHODIMP Node::LookupNamespaceURI(const nsAString& prefix, nsAString& _retval) {
  setNullableString(_retval, lookupNamespace(namespaceScopeOf(*this), toU16(prefix)));
  return NS_OK;
}

NS_IMETHODIMP Node::IsEqualNode(nsIDOMNode* arg, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  Node* other = fromDOM(arg);
  *_retval = toPRBool(other && sameNode(*this, *other));
  return NS_OK;
}

// DOM feature objects and user data (nsIVariant) have no place in the host.
NS_IMETHODIMP Node::GetFeature(const nsAString& feature, const nsAString& version,
                               nsISupports** _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Node::SetUserData(const nsAString& key, nsIVariant* data,
                                nsIDOMUserDataHandler* handler, nsIVariant** _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Node::GetUserData(const nsAString& key, nsIVariant** _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

}  // namespace geckohost::dom
