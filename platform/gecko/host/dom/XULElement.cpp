#include "dom/XULElement.h"

#include "dom/ElementList.h"
#include "dom/Namespace.h"

namespace geckohost::dom {

XULElement::XULElement(Document& document, std::u16string_view prefix,
                       std::u16string_view localName)
    : Element(document, kXULNamespaceURI, prefix, localName) {}

RefPtr<ElementList> XULElement::getElementsByAttribute(std::u16string_view name,
                                                       std::u16string_view value) {
  return ElementList::byAttribute(*this, u"", name, value);
}

}  // namespace geckohost::dom
