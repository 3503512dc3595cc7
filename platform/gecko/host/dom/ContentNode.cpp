#include "dom/ContentNode.h"

#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost::dom {

Element* ContentNode::bindingParent() const {
  const Node* node = this;
  for (Node* parent = node->parentNode(); parent; node = parent, parent = parent->parentNode()) {
    if (isAnonymousChild(*node))
      return static_cast<Element*>(parent);
  }
  return nullptr;
}

nsIDocument* ContentNode::GetOwnerDoc() const {
  Document* document = ownerDocument();
  return document ? document->asIDocument() : nullptr;
}

nsIDocument* ContentNode::GetCurrentDoc() const {
  return isInDocument() ? GetOwnerDoc() : nullptr;
}

nsIContent* ContentNode::GetParent() const {
  Node* parent = parentNode();
  return parent ? parent->asContent() : nullptr;
}

nsIContent* ContentNode::GetChildAt(PRUint32 aIndex) const {
  Node* child = childAt(aIndex);
  return child ? child->asContent() : nullptr;
}

nsIContent* const* ContentNode::GetChildArray(PRUint32* aChildCount) const {
  *aChildCount = childCount();
  return contentChildren();
}

nsIContent* ContentNode::GetBindingParent() const {
  Element* host = bindingParent();
  return host ? host->asContent() : nullptr;
}

PRBool ContentNode::IsNodeOfType(PRUint32 aFlags) const {
  PRUint32 kinds = eCONTENT;
  switch (nodeType()) {
    case NodeType::Element:
      kinds |= eELEMENT | (static_cast<const Element*>(this)->isHTML() ? eHTML : 0);
      break;
    case NodeType::Text:
    case NodeType::CDATASection:
      kinds |= eTEXT | eDATA_NODE;
      break;
    case NodeType::Comment:
      kinds |= eCOMMENT | eDATA_NODE;
      break;
    case NodeType::ProcessingInstruction:
      kinds |= ePROCESSING_INSTRUCTION | eDATA_NODE;
      break;
    default:
      break;
  }
  return (kinds & aFlags) == aFlags;
}

void* ContentNode::interfaceFor(const nsIID& iid) {
  return iid.Equals(NS_GET_IID(nsIContent)) ? static_cast<nsIContent*>(this) : nullptr;
}

}  // namespace geckohost::dom
