#include "dom/HTMLScriptElement.h"

#include "dom/CharacterData.h"

namespace geckohost::dom {

std::u16string HTMLScriptElement::text() const {
  std::u16string text;
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (child->isText())
      text += static_cast<CharacterData*>(child)->data();
  }
  return text;
}

}  // namespace geckohost::dom
