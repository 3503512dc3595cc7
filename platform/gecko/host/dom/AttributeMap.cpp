#include "dom/AttributeMap.h"

#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

NS_IMETHODIMP AttributeMap::QueryInterface(const nsIID& aIID, void** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = nullptr;
  if (aIID.Equals(NS_GET_IID(nsISupports)) || aIID.Equals(NS_GET_IID(nsIDOMNamedNodeMap))) {
    *aResult = static_cast<nsIDOMNamedNodeMap*>(this);
    addRef();
    return NS_OK;
  }
  return NS_ERROR_NO_INTERFACE;
}

nsresult AttributeMap::takeAttribute(nsIDOMNode* arg, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* node = Node::fromDOM(arg);
  if (!node || node->nodeType() != NodeType::Attribute)
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  RefPtr<Attr> replaced;
  DOMError error = mElement->setAttributeNode(static_cast<Attr&>(*node), replaced);
  if (error != DOMError::None)
    return toNsresult(error);
  return handOut(replaced ? replaced->asDOMNode() : nullptr, _retval);
}

nsresult AttributeMap::dropAttribute(Attr* attr, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  if (!attr)
    return NS_ERROR_DOM_NOT_FOUND_ERR;
  RefPtr<Attr> keep = attr;
  mElement->removeAttributeNode(*attr);
  return handOut(keep->asDOMNode(), _retval);
}

NS_IMETHODIMP AttributeMap::GetNamedItem(const nsAString& name, nsIDOMNode** _retval) {
  Attr* attr = mElement->getAttributeNode(toU16(name));
  return handOut(attr ? attr->asDOMNode() : nullptr, _retval);
}

NS_IMETHODIMP AttributeMap::SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) {
  return takeAttribute(arg, _retval);
}

NS_IMETHODIMP AttributeMap::RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) {
  return dropAttribute(mElement->getAttributeNode(toU16(name)), _retval);
}

NS_IMETHODIMP AttributeMap::Item(PRUint32 index, nsIDOMNode** _retval) {
  Attr* attr = mElement->attributeAt(index);
  return handOut(attr ? attr->asDOMNode() : nullptr, _retval);
}

NS_IMETHODIMP AttributeMap::GetLength(PRUint32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = mElement->attributeCount();
  return NS_OK;
}

NS_IMETHODIMP AttributeMap::GetNamedItemNS(const nsAString& namespaceURI,
                                           const nsAString& localName, nsIDOMNode** _retval) {
  Attr* attr = mElement->getAttributeNodeNS(toU16(namespaceURI), toU16(localName));
  return handOut(attr ? attr->asDOMNode() : nullptr, _retval);
}

NS_IMETHODIMP AttributeMap::SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) {
  return takeAttribute(arg, _retval);
}

NS_IMETHODIMP AttributeMap::RemoveNamedItemNS(const nsAString& namespaceURI,
                                              const nsAString& localName, nsIDOMNode** _retval) {
  return dropAttribute(mElement->getAttributeNodeNS(toU16(namespaceURI), toU16(localName)),
                       _retval);
}

}  // namespace geckohost::dom
