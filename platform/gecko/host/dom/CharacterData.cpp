#include "dom/CharacterData.h"

#include <algorithm>

#include "dom/Atom.h"
#include "dom/XPCOMHelpers.h"

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

void* CharacterData::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMCharacterData)))
    return asDOMCharacterData();
  return ContentNode::interfaceFor(iid);
}

// --- nsIDOMCharacterData -----------------------------------------------------------------------

NS_IMETHODIMP CharacterData::GetData(nsAString& aData) {
  setString(aData, mData);
  return NS_OK;
}

NS_IMETHODIMP CharacterData::SetData(const nsAString& aData) {
  setData(toU16(aData));
  return NS_OK;
}

NS_IMETHODIMP CharacterData::GetLength(PRUint32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = length();
  return NS_OK;
}

NS_IMETHODIMP CharacterData::SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) {
  std::u16string part;
  DOMError error = substringData(offset, count, part);
  setString(_retval, part);
  return toNsresult(error);
}

NS_IMETHODIMP CharacterData::AppendData(const nsAString& arg) {
  appendData(toU16(arg));
  return NS_OK;
}

NS_IMETHODIMP CharacterData::InsertData(PRUint32 offset, const nsAString& arg) {
  return toNsresult(insertData(offset, toU16(arg)));
}

NS_IMETHODIMP CharacterData::DeleteData(PRUint32 offset, PRUint32 count) {
  return toNsresult(deleteData(offset, count));
}

NS_IMETHODIMP CharacterData::ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) {
  return toNsresult(replaceData(offset, count, toU16(arg)));
}

nsIAtom* CharacterData::Tag() const {
  // The fixed names, made together: asked for every text node of a text walk.
  static const struct {
    Atom* text = Atom::get(u"#text");
    Atom* cdataSection = Atom::get(u"#cdata-section");
    Atom* comment = Atom::get(u"#comment");
  } kNames;
  switch (nodeType()) {
    case NodeType::Text:
      return kNames.text;
    case NodeType::CDATASection:
      return kNames.cdataSection;
    case NodeType::Comment:
      return kNames.comment;
    default:
      return Atom::get(nodeName());  // a processing instruction's target
  }
}

void CharacterData::AppendTextTo(nsAString& aResult) {
  aResult.Append(reinterpret_cast<const PRUnichar*>(mData.data()), PRUint32(mData.size()));
}

}  // namespace geckohost::dom
