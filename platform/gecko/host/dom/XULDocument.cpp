#include "dom/XULDocument.h"

#include "dom/Element.h"
#include "dom/ElementList.h"

namespace geckohost::dom {

RefPtr<XULDocument> XULDocument::create(const net::URI& url) {
  return new XULDocument(url);
}

RefPtr<ElementList> XULDocument::getElementsByAttribute(std::u16string_view name,
                                                        std::u16string_view value) {
  return ElementList::byAttribute(*this, u"", name, value);
}

RefPtr<ElementList> XULDocument::getElementsByAttributeNS(std::u16string_view namespaceURI,
                                                          std::u16string_view name,
                                                          std::u16string_view value) {
  return ElementList::byAttribute(*this, namespaceURI, name, value);
}

std::u16string XULDocument::title() const {
  Element* root = documentElement();
  return root ? root->stringAttribute(u"title") : std::u16string();
}

void XULDocument::setTitle(std::u16string_view title) {
  if (Element* root = documentElement())
    root->setStringAttribute(u"title", title);
}

}  // namespace geckohost::dom
