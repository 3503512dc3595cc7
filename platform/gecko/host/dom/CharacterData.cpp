#include "dom/CharacterData.h"

#include <algorithm>

namespace geckohost::dom {

void CharacterData::setData(std::u16string_view data) {
  mData = data;
  dataChanged();
}

DOMError CharacterData::substringData(uint32_t offset, uint32_t count, std::u16string& out) const {
  if (offset > mData.size())
    return DOMError::IndexSize;
  out = mData.substr(offset, count);
  return DOMError::None;
}

void CharacterData::appendData(std::u16string_view data) {
  mData += data;
  dataChanged();
}

DOMError CharacterData::insertData(uint32_t offset, std::u16string_view data) {
  return replaceData(offset, 0, data);
}

DOMError CharacterData::deleteData(uint32_t offset, uint32_t count) {
  return replaceData(offset, count, u"");
}

DOMError CharacterData::replaceData(uint32_t offset, uint32_t count, std::u16string_view data) {
  if (offset > mData.size())
    return DOMError::IndexSize;
  size_t cut = std::min<size_t>(count, mData.size() - offset);
  mData.replace(offset, cut, data);
  dataChanged();
  return DOMError::None;
}

void CharacterData::dataChanged() {
  // A text area's default value, an option's text and a script's text are their child text:
  // the parent hears of it as a change of its children.
  if (Node* parent = parentNode())
    parent->childDataChanged();
  notifyChanged();
}

}  // namespace geckohost::dom
