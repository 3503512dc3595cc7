#include "dom/HTMLFormElement.h"

#include "dom/ReflectionMacros.h"

#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/ElementList.h"

namespace geckohost::dom {

RefPtr<ElementList> HTMLFormElement::elements() {
  return new ElementList(*this, [this](const Element& element) {
    if (!element.isHTML())
      return false;
    const auto& control = static_cast<const HTMLElement&>(element);
    return control.isListedFormControl() && control.formOwner() == this;
  });
}

uint32_t HTMLFormElement::length() {
  return elements()->length();
}

void HTMLFormElement::reset() {
  RefPtr<ElementList> controls = elements();
  for (uint32_t i = 0; Element* control = controls->item(i); ++i) {
    static_cast<HTMLElement*>(control)->resetState();
  }
}

std::u16string HTMLFormElement::action() const {
  std::u16string resolved = urlAttribute(u"action");
  if (!resolved.empty())
    return resolved;
  Document* document = ownerDocument();
  return document ? utf8ToUTF16(document->url().spec()) : std::u16string();
}

std::u16string HTMLFormElement::method() const {
  return enumAttribute(u"method", {u"get", u"post"}, u"get");
}

std::u16string HTMLFormElement::enctype() const {
  return enumAttribute(
      u"enctype", {u"application/x-www-form-urlencoded", u"multipart/form-data", u"text/plain"},
      u"application/x-www-form-urlencoded");
}

// --- nsIDOMHTMLFormElement -------------------------------------------------------------

void* HTMLFormElement::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLFormElement)))
    return static_cast<nsIDOMHTMLFormElement*>(this);
  return HTMLElement::interfaceFor(iid);
}

NS_IMETHODIMP HTMLFormElement::GetElements(nsIDOMHTMLCollection** aElements) {
  RefPtr<ElementList> list = elements();
  return handOut(static_cast<nsIDOMHTMLCollection*>(list.get()), aElements);
}

NS_IMETHODIMP HTMLFormElement::GetLength(PRInt32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = PRInt32(length());
  return NS_OK;
}

GECKOHOST_IMPL_STRING_ATTR(HTMLFormElement, Name, "name")
GECKOHOST_IMPL_STRING_ATTR(HTMLFormElement, AcceptCharset, "accept-charset")
GECKOHOST_IMPL_STRING_ATTR(HTMLFormElement, Target, "target")

NS_IMETHODIMP HTMLFormElement::GetAction(nsAString& aAction) {
  setString(aAction, action());
  return NS_OK;
}

NS_IMETHODIMP HTMLFormElement::SetAction(const nsAString& aAction) {
  setStringAttribute(u"action", toU16(aAction));
  return NS_OK;
}

NS_IMETHODIMP HTMLFormElement::GetEnctype(nsAString& aEnctype) {
  setString(aEnctype, enctype());
  return NS_OK;
}

NS_IMETHODIMP HTMLFormElement::SetEnctype(const nsAString& aEnctype) {
  setStringAttribute(u"enctype", toU16(aEnctype));
  return NS_OK;
}

NS_IMETHODIMP HTMLFormElement::GetMethod(nsAString& aMethod) {
  setString(aMethod, method());
  return NS_OK;
}

NS_IMETHODIMP HTMLFormElement::SetMethod(const nsAString& aMethod) {
  setStringAttribute(u"method", toU16(aMethod));
  return NS_OK;
}

// Submitting navigates the window, which the shell would have to do; nothing here asks it.
NS_IMETHODIMP HTMLFormElement::Submit() {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP HTMLFormElement::Reset() {
  reset();
  return NS_OK;
}

}  // namespace geckohost::dom
