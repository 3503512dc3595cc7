#include "dom/Text.h"

#include "dom/MutationBatch.h"

namespace geckohost::dom {

RefPtr<Text> Text::splitText(uint32_t offset, DOMError& error) {
  std::u16string tail;
  error = substringData(offset, length() - offset, tail);
  if (error != DOMError::None)
    return nullptr;
  RefPtr<Text> rest = static_cast<Text*>(cloneSelf(*documentOrSelf()).get());
  rest->setData(tail);
  MutationBatch batch(documentOrSelf());
  deleteData(offset, length() - offset);
  if (Node* parent = parentNode())
    parent->insertBefore(*rest, nextSibling());
  return rest;
}

RefPtr<Node> Text::cloneSelf(Document& document) const {
  return new Text(document, data());
}

}  // namespace geckohost::dom
