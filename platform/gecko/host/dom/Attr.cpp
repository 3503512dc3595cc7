#include "dom/Attr.h"

#include "dom/Element.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

Attr::Attr(Document& document, std::u16string_view namespaceURI, std::u16string_view prefix,
           std::u16string_view localName, std::u16string_view value)
    : Node(NodeType::Attribute, &document),
      mNamespaceURI(namespaceURI),
      mNamespace(namespaceFromURI(namespaceURI)),
      mPrefix(prefix),
      mLocalName(localName),
      mValue(value) {}

std::u16string Attr::qualifiedName() const {
  return mPrefix.empty() ? mLocalName : mPrefix + u":" + mLocalName;
}

void Attr::setValue(std::u16string_view value) {
  mValue = value;
  if (mOwnerElement) {
    mOwnerElement->attributeNodeChanged(*this);
  } else {
    notifyChanged();
  }
}

RefPtr<Node> Attr::cloneSelf(Document& document) const {
  return new Attr(document, mNamespaceURI, mPrefix, mLocalName, mValue);
}

void* Attr::interfaceFor(const nsIID& iid) {
  return iid.Equals(NS_GET_IID(nsIDOMAttr)) ? static_cast<nsIDOMAttr*>(this) : nullptr;
}

// --- nsIDOMAttr --------------------------------------------------------------------------------

NS_IMETHODIMP Attr::GetName(nsAString& aName) {
  setString(aName, qualifiedName());
  return NS_OK;
}

NS_IMETHODIMP Attr::GetSpecified(PRBool* aSpecified) {
  NS_ENSURE_ARG_POINTER(aSpecified);
  *aSpecified = PR_TRUE;  // the host keeps no default attributes
  return NS_OK;
}

NS_IMETHODIMP Attr::GetValue(nsAString& aValue) {
  setString(aValue, mValue);
  return NS_OK;
}

NS_IMETHODIMP Attr::SetValue(const nsAString& aValue) {
  setValue(toU16(aValue));
  return NS_OK;
}

NS_IMETHODIMP Attr::GetOwnerElement(nsIDOMElement** aOwnerElement) {
  return handOut(mOwnerElement ? mOwnerElement->asDOMElement() : nullptr, aOwnerElement);
}

}  // namespace geckohost::dom
