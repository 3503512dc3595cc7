#include "dom/Attr.h"

#include "dom/Element.h"

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

}  // namespace geckohost::dom
