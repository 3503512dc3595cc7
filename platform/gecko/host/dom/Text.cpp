#include "dom/Text.h"

#include "dom/MutationBatch.h"
#include "dom/XPCOMHelpers.h"

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

void* Text::interfaceFor(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMText)))
    return static_cast<nsIDOMText*>(this);
  return CharacterData::interfaceFor(iid);
}

NS_IMETHODIMP Text::SplitText(PRUint32 offset, nsIDOMText** _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = nullptr;
  DOMError error;
  RefPtr<Text> rest = splitText(offset, error);
  if (!rest)
    return toNsresult(error);
  return handOut(static_cast<nsIDOMText*>(rest.get()), _retval);
}

}  // namespace geckohost::dom
