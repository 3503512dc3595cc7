// Element's XPCOM face: nsIDOMElement and nsIDOMNSElement over the plain methods.
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/ElementList.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

namespace {

nsresult handOutElement(Element* element, nsIDOMElement** aResult) {
  return handOut(element ? element->asDOMElement() : nullptr, aResult);
}

nsresult handOutList(RefPtr<ElementList> list, nsIDOMNodeList** aResult) {
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), aResult);
}

Attr* attrFromDOM(nsIDOMAttr* attr) {
  Node* node = Node::fromDOM(attr);
  return node && node->nodeType() == NodeType::Attribute ? static_cast<Attr*>(node) : nullptr;
}

}  // namespace

void* Element::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMElement)))
    return asDOMElement();
  if (iid.Equals(NS_GET_IID(nsIDOMNSElement)))
    return static_cast<nsIDOMNSElement*>(this);
  return ContentNode::interfaceFor(iid);
}

// --- nsIDOMElement -------------------------------------------------------------------------------

NS_IMETHODIMP Element::GetTagName(nsAString& aTagName) {
  setString(aTagName, tagName());
  return NS_OK;
}

NS_IMETHODIMP Element::GetAttribute(const nsAString& name, nsAString& _retval) {
  std::optional<std::u16string> value = getAttribute(toU16(name));
  // A missing attribute is null, except on XUL elements, which Gecko answers with "".
  if (!value && isXUL())
    value = std::u16string();
  setNullableString(_retval, value);
  return NS_OK;
}

NS_IMETHODIMP Element::SetAttribute(const nsAString& name, const nsAString& value) {
  return toNsresult(setAttribute(toU16(name), toU16(value)));
}

NS_IMETHODIMP Element::RemoveAttribute(const nsAString& name) {
  removeAttribute(toU16(name));
  return NS_OK;
}

NS_IMETHODIMP Element::GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) {
  return handOut<nsIDOMAttr>(getAttributeNode(toU16(name)), _retval);
}

NS_IMETHODIMP Element::SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Attr* attr = attrFromDOM(newAttr);
  if (!attr)
    return newAttr ? NS_ERROR_DOM_WRONG_DOCUMENT_ERR : NS_ERROR_NULL_POINTER;
  RefPtr<Attr> replaced;
  DOMError error = setAttributeNode(*attr, replaced);
  if (error != DOMError::None)
    return toNsresult(error);
  return handOut<nsIDOMAttr>(replaced.get(), _retval);
}

NS_IMETHODIMP Element::RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Attr* attr = attrFromDOM(oldAttr);
  if (!attr)
    return oldAttr ? NS_ERROR_DOM_NOT_FOUND_ERR : NS_ERROR_NULL_POINTER;
  RefPtr<Attr> keep = attr;
  DOMError error = removeAttributeNode(*attr);
  if (error != DOMError::None)
    return toNsresult(error);
  return handOut<nsIDOMAttr>(keep.get(), _retval);
}

NS_IMETHODIMP Element::GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) {
  return handOutList(getElementsByTagName(toU16(name)), _retval);
}

NS_IMETHODIMP Element::GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName,
                                      nsAString& _retval) {
  setNullableString(_retval, getAttributeNS(toU16(namespaceURI), toU16(localName)));
  return NS_OK;
}

NS_IMETHODIMP Element::SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                                      const nsAString& value) {
  return toNsresult(setAttributeNS(toU16(namespaceURI), toU16(qualifiedName), toU16(value)));
}

NS_IMETHODIMP Element::RemoveAttributeNS(const nsAString& namespaceURI,
                                         const nsAString& localName) {
  removeAttributeNS(toU16(namespaceURI), toU16(localName));
  return NS_OK;
}

NS_IMETHODIMP Element::GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                          nsIDOMAttr** _retval) {
  return handOut<nsIDOMAttr>(getAttributeNodeNS(toU16(namespaceURI), toU16(localName)), _retval);
}

NS_IMETHODIMP Element::SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) {
  return SetAttributeNode(newAttr, _retval);
}

NS_IMETHODIMP Element::GetElementsByTagNameNS(const nsAString& namespaceURI,
                                              const nsAString& localName,
                                              nsIDOMNodeList** _retval) {
  return handOutList(getElementsByTagNameNS(toU16(namespaceURI), toU16(localName)), _retval);
}

NS_IMETHODIMP Element::HasAttribute(const nsAString& name, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(hasAttribute(toU16(name)));
  return NS_OK;
}

NS_IMETHODIMP Element::HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName,
                                      PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(hasAttributeNS(toU16(namespaceURI), toU16(localName)));
  return NS_OK;
}

// --- nsIDOMNSElement -----------------------------------------------------------------------------

NS_IMETHODIMP Element::GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) {
  return handOutList(getElementsByClassName(toU16(classes)), _retval);
}

// Client rectangles, token lists and selectors have no interface declarations in this SDK's
// subset, and the host has no selector engine.
NS_IMETHODIMP Element::GetClientRects(nsIDOMClientRectList** _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Element::GetBoundingClientRect(nsIDOMClientRect** _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Element::GetClassList(nsIDOMDOMTokenList** aClassList) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Element::MozMatchesSelector(const nsAString& selector, PRBool* _retval) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Element::GetScrollTop(PRInt32* aScrollTop) {
  NS_ENSURE_ARG_POINTER(aScrollTop);
  *aScrollTop = scrollBox().scrollTop;
  return NS_OK;
}

NS_IMETHODIMP Element::SetScrollTop(PRInt32 aScrollTop) {
  scrollTo(scrollBox().scrollLeft, aScrollTop);
  return NS_OK;
}

NS_IMETHODIMP Element::GetScrollLeft(PRInt32* aScrollLeft) {
  NS_ENSURE_ARG_POINTER(aScrollLeft);
  *aScrollLeft = scrollBox().scrollLeft;
  return NS_OK;
}

NS_IMETHODIMP Element::SetScrollLeft(PRInt32 aScrollLeft) {
  scrollTo(aScrollLeft, scrollBox().scrollTop);
  return NS_OK;
}

NS_IMETHODIMP Element::GetScrollHeight(PRInt32* aScrollHeight) {
  NS_ENSURE_ARG_POINTER(aScrollHeight);
  *aScrollHeight = scrollBox().scrollHeight;
  return NS_OK;
}

NS_IMETHODIMP Element::GetScrollWidth(PRInt32* aScrollWidth) {
  NS_ENSURE_ARG_POINTER(aScrollWidth);
  *aScrollWidth = scrollBox().scrollWidth;
  return NS_OK;
}

NS_IMETHODIMP Element::GetClientTop(PRInt32* aClientTop) {
  NS_ENSURE_ARG_POINTER(aClientTop);
  *aClientTop = scrollBox().clientTop;
  return NS_OK;
}

NS_IMETHODIMP Element::GetClientLeft(PRInt32* aClientLeft) {
  NS_ENSURE_ARG_POINTER(aClientLeft);
  *aClientLeft = scrollBox().clientLeft;
  return NS_OK;
}

NS_IMETHODIMP Element::GetClientHeight(PRInt32* aClientHeight) {
  NS_ENSURE_ARG_POINTER(aClientHeight);
  *aClientHeight = scrollBox().clientHeight;
  return NS_OK;
}

NS_IMETHODIMP Element::GetClientWidth(PRInt32* aClientWidth) {
  NS_ENSURE_ARG_POINTER(aClientWidth);
  *aClientWidth = scrollBox().clientWidth;
  return NS_OK;
}

NS_IMETHODIMP Element::GetFirstElementChild(nsIDOMElement** aFirstElementChild) {
  return handOutElement(firstElementChild(), aFirstElementChild);
}

NS_IMETHODIMP Element::GetLastElementChild(nsIDOMElement** aLastElementChild) {
  return handOutElement(lastElementChild(), aLastElementChild);
}

NS_IMETHODIMP Element::GetPreviousElementSibling(nsIDOMElement** aPreviousElementSibling) {
  return handOutElement(previousElementSibling(), aPreviousElementSibling);
}

NS_IMETHODIMP Element::GetNextElementSibling(nsIDOMElement** aNextElementSibling) {
  return handOutElement(nextElementSibling(), aNextElementSibling);
}

NS_IMETHODIMP Element::GetChildElementCount(PRUint32* aChildElementCount) {
  NS_ENSURE_ARG_POINTER(aChildElementCount);
  *aChildElementCount = childElementCount();
  return NS_OK;
}

NS_IMETHODIMP Element::GetChildren(nsIDOMNodeList** aChildren) {
  return handOutList(children(), aChildren);
}

}  // namespace geckohost::dom
