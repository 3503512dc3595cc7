#include "dom/OptionsCollection.h"

#include "dom/ElementList.h"
#include "dom/HTMLOptionElement.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

NS_IMETHODIMP OptionsCollection::QueryInterface(const nsIID& aIID, void** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = nullptr;
  if (aIID.Equals(NS_GET_IID(nsISupports)) ||
      aIID.Equals(NS_GET_IID(nsIDOMHTMLOptionsCollection))) {
    *aResult = static_cast<nsIDOMHTMLOptionsCollection*>(this);
  } else if (aIID.Equals(NS_GET_IID(nsIDOMHTMLCollection))) {
    *aResult = static_cast<nsIDOMHTMLCollection*>(this);
  }
  if (!*aResult)
    return NS_ERROR_NO_INTERFACE;
  addRef();
  return NS_OK;
}

NS_IMETHODIMP OptionsCollection::GetLength(PRUint32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = mSelect->length();
  return NS_OK;
}

NS_IMETHODIMP OptionsCollection::SetLength(PRUint32 aLength) {
  mSelect->setLength(aLength);
  return NS_OK;
}

NS_IMETHODIMP OptionsCollection::Item(PRUint32 index, nsIDOMNode** _retval) {
  HTMLOptionElement* option = mSelect->optionAt(index);
  return handOut(option ? option->asDOMNode() : nullptr, _retval);
}

NS_IMETHODIMP OptionsCollection::NamedItem(const nsAString& name, nsIDOMNode** _retval) {
  Element* option = mSelect->options()->namedItem(toU16(name));
  return handOut(option ? option->asDOMNode() : nullptr, _retval);
}

}  // namespace geckohost::dom
