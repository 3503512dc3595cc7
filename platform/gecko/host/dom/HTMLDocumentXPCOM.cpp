// HTMLDocument's XPCOM face: nsIDOMHTMLDocument.
#include "dom/DOMStrings.h"
#include "dom/ElementList.h"
#include "dom/HTMLDocument.h"
#include "dom/HTMLElement.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

namespace {

nsresult handOutCollection(RefPtr<ElementList> list, nsIDOMHTMLCollection** aResult) {
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aResult);
}

}  // namespace

void* HTMLDocument::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLDocument)))
    return static_cast<nsIDOMHTMLDocument*>(this);
  return Document::interfaceFor(iid);
}

NS_IMETHODIMP HTMLDocument::GetTitle(nsAString& aTitle) {
  return Document::GetTitle(aTitle);
}

NS_IMETHODIMP HTMLDocument::SetTitle(const nsAString& aTitle) {
  return Document::SetTitle(aTitle);
}

NS_IMETHODIMP HTMLDocument::GetReferrer(nsAString& aReferrer) {
  setString(aReferrer, mReferrer);
  return NS_OK;
}

NS_IMETHODIMP HTMLDocument::GetDomain(nsAString& aDomain) {
  setString(aDomain, domain());
  return NS_OK;
}

NS_IMETHODIMP HTMLDocument::GetURL(nsAString& aURL) {
  setString(aURL, utf8ToUTF16(url().spec()));
  return NS_OK;
}

NS_IMETHODIMP HTMLDocument::GetBody(nsIDOMHTMLElement** aBody) {
  HTMLElement* element = body();
  return handOut(element ? element->asDOMHTMLElement() : nullptr, aBody);
}

// Puts a body or frameset in the place of the current one (or last in the root).
NS_IMETHODIMP HTMLDocument::SetBody(nsIDOMHTMLElement* aBody) {
  Node* node = fromDOM(aBody);
  auto* element = node && node->isElement() ? static_cast<Element*>(node) : nullptr;
  Element* root = documentElement();
  if (!element || !(element->isHTML(u"body") || element->isHTML(u"frameset")) || !root) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  if (HTMLElement* current = body())
    return toNsresult(root->replaceChild(*element, *current));
  return toNsresult(root->appendChild(*element));
}

NS_IMETHODIMP HTMLDocument::GetImages(nsIDOMHTMLCollection** aImages) {
  return handOutCollection(images(), aImages);
}

NS_IMETHODIMP HTMLDocument::GetApplets(nsIDOMHTMLCollection** aApplets) {
  return handOutCollection(applets(), aApplets);
}

NS_IMETHODIMP HTMLDocument::GetLinks(nsIDOMHTMLCollection** aLinks) {
  return handOutCollection(links(), aLinks);
}

NS_IMETHODIMP HTMLDocument::GetForms(nsIDOMHTMLCollection** aForms) {
  return handOutCollection(forms(), aForms);
}

NS_IMETHODIMP HTMLDocument::GetAnchors(nsIDOMHTMLCollection** aAnchors) {
  return handOutCollection(anchors(), aAnchors);
}

NS_IMETHODIMP HTMLDocument::GetCookie(nsAString& aCookie) {
  setString(aCookie, cookie());
  return NS_OK;
}

NS_IMETHODIMP HTMLDocument::SetCookie(const nsAString& aCookie) {
  setCookie(toU16(aCookie));
  return NS_OK;
}

// document.open/write would need the parser to run incrementally into a live document, which
// the host's pages (parsed whole, then shown) do not do.
NS_IMETHODIMP HTMLDocument::Open() {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP HTMLDocument::Close() {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP HTMLDocument::Write(const nsAString& text) {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP HTMLDocument::Writeln(const nsAString& text) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP HTMLDocument::GetElementsByName(const nsAString& elementName,
                                              nsIDOMNodeList** _retval) {
  RefPtr<ElementList> list = getElementsByName(toU16(elementName));
  return handOut(static_cast<nsIDOMNodeList*>(list.get()), _retval);
}

}  // namespace geckohost::dom
