// XULDocument's XPCOM face: nsIDOMXULDocument.
#include "dom/DocumentContainer.h"
#include "dom/ElementList.h"
#include "dom/XPCOMHelpers.h"
#include "dom/XULBoxObject.h"
#include "dom/XULDocument.h"
#include "dom/XULElement.h"

namespace geckohost::dom {

namespace {

nsresult handOutNode(Node* node, nsIDOMNode** aResult) {
  return handOut(node ? node->asDOMNode() : nullptr, aResult);
}

}  // namespace

void* XULDocument::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMXULDocument)))
    return static_cast<nsIDOMXULDocument*>(this);
  return Document::interfaceFor(iid);
}

NS_IMETHODIMP XULDocument::GetPopupNode(nsIDOMNode** aPopupNode) {
  return handOutNode(mPopupNode.get(), aPopupNode);
}

NS_IMETHODIMP XULDocument::SetPopupNode(nsIDOMNode* aPopupNode) {
  mPopupNode = fromDOM(aPopupNode);
  return NS_OK;
}

// No popup was opened on a text selection: no range.
NS_IMETHODIMP XULDocument::GetPopupRangeParent(nsIDOMNode** aPopupRangeParent) {
  return handOutNode(nullptr, aPopupRangeParent);
}

NS_IMETHODIMP XULDocument::GetPopupRangeOffset(PRInt32* aPopupRangeOffset) {
  NS_ENSURE_ARG_POINTER(aPopupRangeOffset);
  *aPopupRangeOffset = 0;
  return NS_OK;
}

NS_IMETHODIMP XULDocument::GetTooltipNode(nsIDOMNode** aTooltipNode) {
  return handOutNode(mTooltipNode.get(), aTooltipNode);
}

NS_IMETHODIMP XULDocument::SetTooltipNode(nsIDOMNode* aTooltipNode) {
  mTooltipNode = fromDOM(aTooltipNode);
  return NS_OK;
}

NS_IMETHODIMP XULDocument::GetCommandDispatcher(nsIDOMXULCommandDispatcher** aCommandDispatcher) {
  return handOut(mCommandDispatcher.get(), aCommandDispatcher);
}

// The size of the root box, as the window's layout gave it.
NS_IMETHODIMP XULDocument::GetWidth(PRInt32* aWidth) {
  NS_ENSURE_ARG_POINTER(aWidth);
  Element* root = documentElement();
  *aWidth = root && container() ? container()->xulBoxOnScreen(*root).width : 0;
  return NS_OK;
}

NS_IMETHODIMP XULDocument::GetHeight(PRInt32* aHeight) {
  NS_ENSURE_ARG_POINTER(aHeight);
  Element* root = documentElement();
  *aHeight = root && container() ? container()->xulBoxOnScreen(*root).height : 0;
  return NS_OK;
}

NS_IMETHODIMP XULDocument::GetElementsByAttribute(const nsAString& name, const nsAString& value,
                                                  nsIDOMNodeList** _retval) {
  RefPtr<ElementList> list = getElementsByAttribute(toU16(name), toU16(value));
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), _retval);
}

NS_IMETHODIMP XULDocument::GetElementsByAttributeNS(const nsAString& namespaceURI,
                                                    const nsAString& name, const nsAString& value,
                                                    nsIDOMNodeList** _retval) {
  RefPtr<ElementList> list =
      getElementsByAttributeNS(toU16(namespaceURI), toU16(name), toU16(value));
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), _retval);
}

// Broadcasters, persistence and overlays belong to a full XUL engine; the host's chrome is
// a fixed set of files without them.
NS_IMETHODIMP XULDocument::AddBroadcastListenerFor(nsIDOMElement* broadcaster,
                                                   nsIDOMElement* observer, const nsAString& attr) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULDocument::RemoveBroadcastListenerFor(nsIDOMElement* broadcaster,
                                                      nsIDOMElement* observer,
                                                      const nsAString& attr) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULDocument::Persist(const nsAString& id, const nsAString& attr) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULDocument::GetBoxObjectFor(nsIDOMElement* elt, nsIBoxObject** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* node = fromDOM(elt);
  if (!node || !node->isElement())
    return NS_ERROR_INVALID_ARG;
  if (node->ownerDocument() != this)
    return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  return handOut<nsIBoxObject>(XULBoxObject::forElement(static_cast<Element&>(*node)), _retval);
}

NS_IMETHODIMP XULDocument::LoadOverlay(const nsAString& url, nsIObserver* aObserver) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

}  // namespace geckohost::dom
