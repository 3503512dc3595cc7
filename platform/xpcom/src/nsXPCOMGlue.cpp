// The glue's side of the contract with the hosting process: find the browser's entry points
// once, then forward service and component requests to them.
#include "nsXPCOMGlue.h"

#include <dlfcn.h>

#include "nsCOMPtr.h"
#include "nsComponentManagerUtils.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsServiceManagerUtils.h"
#include "nsXPCOM.h"

namespace {

struct GlueState {
  bool resolved = false;
  XPCOMFunctions functions = {};
};

GlueState& State() {
  static GlueState state;
  return state;
}

// A failed search is not remembered: the browser may load its XPCOM after us.
nsresult Resolve() {
  GlueState& state = State();
  if (state.resolved)
    return NS_OK;
  void* symbol = dlsym(RTLD_DEFAULT, XPCOM_FROZEN_FUNCTIONS_SYMBOL);
  if (!symbol)
    return NS_ERROR_NOT_INITIALIZED;
  XPCOMFunctions functions = {};
  functions.version = XPCOM_GLUE_VERSION;
  functions.size = sizeof functions;
  nsresult rv = reinterpret_cast<GetFrozenFunctionsFunc>(symbol)(&functions, nsnull);
  if (NS_FAILED(rv) || !functions.getServiceManager || !functions.getComponentManager) {
    return NS_ERROR_NOT_INITIALIZED;
  }
  state.functions = functions;
  state.resolved = true;
  return NS_OK;
}

void SetError(nsresult* errorPtr, nsresult rv) {
  if (errorPtr)
    *errorPtr = rv;
}

}  // namespace

nsresult XPCOMGlueStartup(const char*) {
  return Resolve();
}

nsresult NS_GetServiceManager(nsIServiceManager** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nsnull;
  nsresult rv = Resolve();
  if (NS_FAILED(rv))
    return rv;
  return State().functions.getServiceManager(result);
}

nsresult NS_GetComponentManager(nsIComponentManager** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nsnull;
  nsresult rv = Resolve();
  if (NS_FAILED(rv))
    return rv;
  return State().functions.getComponentManager(result);
}

nsresult nsQueryInterface::operator()(const nsIID& aIID, void** aResult) const {
  *aResult = nsnull;
  if (!mRawPtr)
    return NS_ERROR_NULL_POINTER;
  return mRawPtr->QueryInterface(aIID, aResult);
}

nsresult nsQueryInterfaceWithError::operator()(const nsIID& aIID, void** aResult) const {
  *aResult = nsnull;
  nsresult rv = mRawPtr ? mRawPtr->QueryInterface(aIID, aResult) : NS_ERROR_NULL_POINTER;
  SetError(mErrorPtr, rv);
  return rv;
}

nsresult CallGetService(const char* aContractID, const nsIID& aIID, void** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nsnull;
  if (!aContractID)
    return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIServiceManager> manager;
  nsresult rv = NS_GetServiceManager(getter_AddRefs(manager));
  if (NS_FAILED(rv))
    return rv;
  if (!manager)
    return NS_ERROR_NOT_INITIALIZED;
  return manager->GetServiceByContractID(aContractID, aIID, aResult);
}

nsresult CallCreateInstance(const char* aContractID, nsISupports* aOuter, const nsIID& aIID,
                            void** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nsnull;
  if (!aContractID)
    return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIComponentManager> manager;
  nsresult rv = NS_GetComponentManager(getter_AddRefs(manager));
  if (NS_FAILED(rv))
    return rv;
  if (!manager)
    return NS_ERROR_NOT_INITIALIZED;
  return manager->CreateInstanceByContractID(aContractID, aOuter, aIID, aResult);
}

nsresult nsGetServiceByContractIDWithError::operator()(const nsIID& aIID, void** aResult) const {
  nsresult rv = CallGetService(mContractID, aIID, aResult);
  SetError(mErrorPtr, rv);
  return rv;
}

nsresult nsCreateInstanceByContractID::operator()(const nsIID& aIID, void** aResult) const {
  nsresult rv = CallCreateInstance(mContractID, mOuter, aIID, aResult);
  SetError(mErrorPtr, rv);
  return rv;
}

nsresult nsGetInterface::operator()(const nsIID& aIID, void** aResult) const {
  *aResult = nsnull;
  nsresult rv = NS_ERROR_NULL_POINTER;
  if (mSource) {
    nsCOMPtr<nsIInterfaceRequestor> requestor = do_QueryInterface(mSource);
    rv = requestor ? requestor->GetInterface(aIID, aResult) : NS_ERROR_NO_INTERFACE;
  }
  SetError(mErrorPtr, rv);
  return rv;
}
