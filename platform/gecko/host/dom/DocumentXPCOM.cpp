// Document's XPCOM face: nsIDOMDocument, nsIDOMNSDocument, nsIDOMDocumentXBL and nsIDocument,
// the last answering from the shell through the document's container.
#include "dom/Comment.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/DocumentFragment.h"
#include "dom/Element.h"
#include "dom/ElementList.h"
#include "dom/StaticNodeList.h"
#include "dom/Text.h"
#include "dom/XPCOMHelpers.h"
#include "net/URIObject.h"
#include "nsIDOMWindow.h"
#include "nsIDocShell.h"
#include "nsIScriptGlobalObject.h"
#include "nsPIDOMWindow.h"

namespace geckohost::dom {

namespace {

nsresult handOutElement(Element* element, nsIDOMElement** aResult) {
  return handOut(element ? element->asDOMElement() : nullptr, aResult);
}

nsresult handOutList(RefPtr<ElementList> list, nsIDOMNodeList** aResult) {
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), aResult);
}

// The window's interface `I`, as a plain pointer: the shell keeps the window alive.
template <class I>
I* windowAs(nsIDOMWindow* window) {
  nsCOMPtr<I> answer = do_QueryInterface(window);
  return answer.get();
}

Element* elementFromDOM(nsIDOMElement* element) {
  Node* node = Node::fromDOM(element);
  return node && node->isElement() ? static_cast<Element*>(node) : nullptr;
}

}  // namespace

void* Document::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDocument)))  // first: asked for with every placed element
    return asIDocument();
  if (iid.Equals(NS_GET_IID(nsIDOMDocument)))
    return asDOMDocument();
  if (iid.Equals(NS_GET_IID(nsIDOMNSDocument)))
    return static_cast<nsIDOMNSDocument*>(this);
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentXBL)))
    return static_cast<nsIDOMDocumentXBL*>(this);
  return nullptr;
}

// --- nsIDOMDocument ------------------------------------------------------------------------------

// The doctype, the DOM implementation, CDATA sections, processing instructions and entity
// references have no interfaces in this SDK subset: the host cannot hand them out. (CDATA
// sections and processing instructions of XUL files are still in the tree as nodes.)
NS_IMETHODIMP Document::GetDoctype(nsIDOMDocumentType** aDoctype) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::GetImplementation(nsIDOMDOMImplementation** aImplementation) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::GetDocumentElement(nsIDOMElement** aDocumentElement) {
  return handOutElement(documentElement(), aDocumentElement);
}

NS_IMETHODIMP Document::CreateElement(const nsAString& tagName, nsIDOMElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<Element> element = createElement(toU16(tagName), error);
  if (!element)
    return toNsresult(error);
  return handOutElement(element.get(), _retval);
}

NS_IMETHODIMP Document::CreateDocumentFragment(nsIDOMDocumentFragment** _retval) {
  return handOut<nsIDOMDocumentFragment>(createDocumentFragment().get(), _retval);
}

NS_IMETHODIMP Document::CreateTextNode(const nsAString& data, nsIDOMText** _retval) {
  return handOut<nsIDOMText>(createTextNode(toU16(data)).get(), _retval);
}

NS_IMETHODIMP Document::CreateComment(const nsAString& data, nsIDOMComment** _retval) {
  return handOut<nsIDOMComment>(createComment(toU16(data)).get(), _retval);
}

NS_IMETHODIMP Document::CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) {
  return isHTMLDocument() ? NS_ERROR_DOM_NOT_SUPPORTED_ERR : NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::CreateProcessingInstruction(const nsAString& target, const nsAString& data,
                                                    nsIDOMProcessingInstruction** _retval) {
  return isHTMLDocument() ? NS_ERROR_DOM_NOT_SUPPORTED_ERR : NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<Attr> attr = createAttribute(toU16(name), error);
  if (!attr)
    return toNsresult(error);
  return handOut<nsIDOMAttr>(attr.get(), _retval);
}

NS_IMETHODIMP Document::CreateEntityReference(const nsAString& name,
                                              nsIDOMEntityReference** _retval) {
  return isHTMLDocument() ? NS_ERROR_DOM_NOT_SUPPORTED_ERR : NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) {
  return handOutList(getElementsByTagName(viewOf(tagname)), _retval);
}

NS_IMETHODIMP Document::ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* node = fromDOM(importedNode);
  if (!node)
    return importedNode ? NS_ERROR_DOM_NOT_SUPPORTED_ERR : NS_ERROR_NULL_POINTER;
  DOMError error;
  RefPtr<Node> copy = importNode(*node, deep, error);
  if (!copy)
    return toNsresult(error);
  return handOut(copy->asDOMNode(), _retval);
}

NS_IMETHODIMP Document::CreateElementNS(const nsAString& namespaceURI,
                                        const nsAString& qualifiedName, nsIDOMElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<Element> element = createElementNS(toU16(namespaceURI), toU16(qualifiedName), error);
  if (!element)
    return toNsresult(error);
  return handOutElement(element.get(), _retval);
}

NS_IMETHODIMP Document::CreateAttributeNS(const nsAString& namespaceURI,
                                          const nsAString& qualifiedName, nsIDOMAttr** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<Attr> attr = createAttributeNS(toU16(namespaceURI), toU16(qualifiedName), error);
  if (!attr)
    return toNsresult(error);
  return handOut<nsIDOMAttr>(attr.get(), _retval);
}

NS_IMETHODIMP Document::GetElementsByTagNameNS(const nsAString& namespaceURI,
                                               const nsAString& localName,
                                               nsIDOMNodeList** _retval) {
  return handOutList(getElementsByTagNameNS(toU16(namespaceURI), toU16(localName)), _retval);
}

NS_IMETHODIMP Document::GetElementById(const nsAString& elementId, nsIDOMElement** _retval) {
  return handOutElement(getElementById(toU16(elementId)), _retval);
}

// --- nsIDOMNSDocument ----------------------------------------------------------------------------

NS_IMETHODIMP Document::GetCharacterSet(nsAString& aCharacterSet) {
  setString(aCharacterSet, u"UTF-8");
  return NS_OK;
}

NS_IMETHODIMP Document::GetDir(nsAString& aDir) {
  setString(aDir, mDirection);
  return NS_OK;
}

NS_IMETHODIMP Document::SetDir(const nsAString& aDir) {
  std::u16string direction = asciiLowerCase(toU16(aDir));
  if (direction != u"ltr" && direction != u"rtl")
    return NS_OK;  // Gecko ignores the rest
  mDirection = direction;
  return NS_OK;
}

// The location object belongs to the window (nsIDOMWindowInternal), which the shell owns.
NS_IMETHODIMP Document::GetLocation(nsIDOMLocation** aLocation) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::GetTitle(nsAString& aTitle) {
  setString(aTitle, title());
  return NS_OK;
}

NS_IMETHODIMP Document::SetTitle(const nsAString& aTitle) {
  setTitle(toU16(aTitle));
  return NS_OK;
}

NS_IMETHODIMP Document::GetContentType(nsAString& aContentType) {
  setString(aContentType, contentType());
  return NS_OK;
}

NS_IMETHODIMP Document::GetReadyState(nsAString& aReadyState) {
  setString(aReadyState, readyStateName(mReadyState));
  return NS_OK;
}

NS_IMETHODIMP Document::GetLastModified(nsAString& aLastModified) {
  setString(aLastModified, mLastModified);
  return NS_OK;
}

NS_IMETHODIMP Document::GetReferrer(nsAString& aReferrer) {
  aReferrer.Truncate();  // HTML documents know their referrer; others have none
  return NS_OK;
}

NS_IMETHODIMP Document::HasFocus(PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = toPRBool(hasFocus());
  return NS_OK;
}

NS_IMETHODIMP Document::GetActiveElement(nsIDOMElement** aActiveElement) {
  return handOutElement(activeElement(), aActiveElement);
}

NS_IMETHODIMP Document::GetElementsByClassName(const nsAString& classes, nsIDOMNodeList** _retval) {
  return handOutList(getElementsByClassName(toU16(classes)), _retval);
}

NS_IMETHODIMP Document::ElementFromPoint(PRInt32 x, PRInt32 y, nsIDOMElement** _retval) {
  return handOutElement(elementFromPoint(x, y), _retval);
}

// --- nsIDOMDocumentXBL ---------------------------------------------------------------------------

NS_IMETHODIMP Document::GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Element* element = elementFromDOM(elt);
  if (!element)
    return NS_ERROR_INVALID_ARG;
  if (element->anonymousChildren().empty())
    return NS_OK;  // no binding, no list
  return handOut<nsIDOMNodeList>(anonymousNodesOf(*element).get(), _retval);
}

NS_IMETHODIMP Document::GetAnonymousElementByAttribute(nsIDOMElement* elt,
                                                       const nsAString& attrName,
                                                       const nsAString& attrValue,
                                                       nsIDOMElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Element* element = elementFromDOM(elt);
  if (!element)
    return NS_ERROR_INVALID_ARG;
  std::u16string name = toU16(attrName), value = toU16(attrValue);
  for (const auto& root : element->anonymousChildren()) {
    for (Node* node = root.get(); node; node = node->nextInTreeOrder(root.get())) {
      if (!node->isElement())
        continue;
      auto found = static_cast<Element*>(node)->getAttribute(name);
      if (found && *found == value)
        return handOutElement(static_cast<Element*>(node), _retval);
    }
  }
  return NS_OK;
}

// Bindings come from the XUL files' <xbl:content>; they cannot be attached or loaded later.
NS_IMETHODIMP Document::AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP Document::GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  Node* content = fromDOM(node);
  if (!content)
    return NS_ERROR_INVALID_ARG;
  if (!content->asContent())
    return NS_OK;
  return handOutElement(static_cast<ContentNode*>(content)->bindingParent(), _retval);
}

NS_IMETHODIMP Document::LoadBindingDocument(const nsAString& documentURL) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsIDocument ---------------------------------------------------------------------------------

nsIURI* Document::GetDocumentURI() const {
  if (!mURIObject)
    mURIObject = new net::URIObject(mURL);
  return mURIObject;
}

nsIPresShell* Document::GetPrimaryShell() const {
  return mContainer ? mContainer->presShell() : nullptr;
}

nsIDocument* Document::GetParentDocument() const {
  Document* parent = mContainer ? mContainer->parentDocument() : nullptr;
  return parent ? parent->asIDocument() : nullptr;
}

nsIContent* Document::GetRootContent() const {
  Element* root = documentElement();
  return root ? root->asContent() : nullptr;
}

nsIScriptGlobalObject* Document::GetScriptGlobalObject() const {
  return mContainer ? mContainer->scriptGlobal() : nullptr;
}

nsPIDOMWindow* Document::GetWindow() {
  return mContainer ? windowAs<nsPIDOMWindow>(mContainer->outerWindow()) : nullptr;
}

already_AddRefed<nsISupports> Document::GetContainer() const {
  nsIDocShell* shell = mContainer ? mContainer->docShell() : nullptr;
  NS_IF_ADDREF(shell);
  return already_AddRefed<nsISupports>(shell);
}

}  // namespace geckohost::dom
