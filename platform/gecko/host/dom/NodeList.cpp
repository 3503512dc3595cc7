#include "dom/NodeList.h"

#include "dom/Node.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

NS_IMETHODIMP NodeList::QueryInterface(const nsIID& aIID, void** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  if (aIID.Equals(NS_GET_IID(nsISupports)) || aIID.Equals(NS_GET_IID(nsIDOMNodeList))) {
    *aResult = static_cast<nsIDOMNodeList*>(this);
  } else {
    *aResult = interfaceFor(aIID);
  }
  if (!*aResult)
    return NS_ERROR_NO_INTERFACE;
  addRef();
  return NS_OK;
}

NS_IMETHODIMP NodeList::Item(PRUint32 index, nsIDOMNode** _retval) {
  Node* node = item(index);
  return handOut(node ? node->asDOMNode() : nullptr, _retval);
}

NS_IMETHODIMP NodeList::GetLength(PRUint32* aLength) {
  NS_ENSURE_ARG_POINTER(aLength);
  *aLength = length();
  return NS_OK;
}

}  // namespace geckohost::dom
