#include "dom/TableParts.h"

#include "dom/Document.h"

namespace geckohost::dom {

std::vector<Element*> tablePartsOf(const Element& parent,
                                   std::initializer_list<std::u16string_view> names) {
  std::vector<Element*> parts;
  for (Element* child = parent.firstElementChild(); child; child = child->nextElementSibling()) {
    for (std::u16string_view name : names) {
      if (child->isHTML(name)) {
        parts.push_back(child);
        break;
      }
    }
  }
  return parts;
}

RefPtr<HTMLElement> insertTablePart(Element& parent, const std::vector<Element*>& parts,
                                    std::u16string_view newName, int32_t index, DOMError& error) {
  int32_t count = int32_t(parts.size());
  error = (index < -1 || index > count) ? DOMError::IndexSize : DOMError::None;
  Document* document = parent.ownerDocument();
  if (error != DOMError::None || !document)
    return nullptr;
  RefPtr<HTMLElement> part = static_cast<HTMLElement*>(
      document->createElementUnchecked(kHTMLNamespaceURI, u"", newName).get());
  Node* before = (index == -1 || index == count) ? nullptr : parts[index];
  parent.insertBefore(*part, before);
  return part;
}

DOMError deleteTablePart(Element& parent, const std::vector<Element*>& parts, int32_t index) {
  if (index == -1)
    index = int32_t(parts.size()) - 1;
  if (index < 0 || index >= int32_t(parts.size()))
    return DOMError::IndexSize;
  return parent.removeChild(*parts[index]);
}

}  // namespace geckohost::dom
