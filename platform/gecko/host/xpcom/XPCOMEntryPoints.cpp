// What the host publishes to libraries built on the XPCOM glue: the frozen entry points,
// found by the glue in the process with dlsym.
#include "ServiceManager.h"
#include "nsIComponentManager.h"
#include "nsIServiceManager.h"
#include "nsXPCOMGlue.h"

namespace {

nsresult GetServiceManager(nsIServiceManager** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  nsIServiceManager* manager = &geckohost::ServiceManager::instance();
  manager->AddRef();
  *result = manager;
  return NS_OK;
}

nsresult GetComponentManager(nsIComponentManager** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  nsIComponentManager* manager = &geckohost::ServiceManager::instance();
  manager->AddRef();
  *result = manager;
  return NS_OK;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) nsresult NS_GetFrozenFunctions(
    XPCOMFunctions* functions, const char*) {
  if (!functions)
    return NS_ERROR_NULL_POINTER;
  if (functions->version != XPCOM_GLUE_VERSION || functions->size < sizeof(XPCOMFunctions)) {
    return NS_ERROR_FAILURE;
  }
  functions->getServiceManager = GetServiceManager;
  functions->getComponentManager = GetComponentManager;
  return NS_OK;
}
