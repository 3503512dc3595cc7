#include "ServiceManager.h"

#include <cstring>
#include <string_view>

#include "Services.h"

namespace geckohost {

ServiceManager& ServiceManager::instance() {
  // Held for the life of the process: services outlive every test that asks for them.
  static ServiceManager* manager = [] {
    auto* created = new ServiceManager();
    created->AddRef();
    return created;
  }();
  return *manager;
}

void ServiceManager::registerService(const std::string& contractID, nsISupports* service) {
  mServices[contractID] = service;
}

void ServiceManager::registerFactory(const std::string& contractID,
                                     std::function<nsISupports*()> factory) {
  mFactories[contractID] = std::move(factory);
  mLastFactory = mFactories.end();
}

bool ServiceManager::unregister(const std::string& contractID) {
  bool hadService = mServices.erase(contractID) > 0;
  bool hadFactory = mFactories.erase(contractID) > 0;
  mLastFactory = mFactories.end();
  return hadService || hadFactory;
}

NS_IMETHODIMP ServiceManager::GetService(const nsCID&, const nsIID&, void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  return NS_ERROR_FACTORY_NOT_REGISTERED;  // services are found by contract ID only
}

NS_IMETHODIMP ServiceManager::GetServiceByContractID(const char* aContractID, const nsIID& aIID,
                                                     void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  if (!aContractID)
    return NS_ERROR_INVALID_ARG;
  auto found = mServices.find(std::string_view(aContractID));
  if (found == mServices.end() || !found->second)
    return NS_ERROR_FACTORY_NOT_REGISTERED;
  return found->second->QueryInterface(aIID, result);
}

NS_IMETHODIMP ServiceManager::IsServiceInstantiated(const nsCID&, const nsIID&, PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP ServiceManager::IsServiceInstantiatedByContractID(const char* aContractID,
                                                                const nsIID& aIID,
                                                                PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  if (!aContractID)
    return NS_ERROR_INVALID_ARG;
  auto found = mServices.find(std::string_view(aContractID));
  if (found == mServices.end() || !found->second)
    return NS_OK;
  nsCOMPtr<nsISupports> answer;
  if (NS_SUCCEEDED(found->second->QueryInterface(aIID, getter_AddRefs(answer)))) {
    *_retval = PR_TRUE;
  }
  return NS_OK;
}

NS_IMETHODIMP ServiceManager::GetClassObject(const nsCID&, const nsIID&, void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  return NS_ERROR_FACTORY_NOT_REGISTERED;
}

NS_IMETHODIMP ServiceManager::GetClassObjectByContractID(const char*, const nsIID&, void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  return NS_ERROR_FACTORY_NOT_REGISTERED;  // factories are functions here, not objects
}

NS_IMETHODIMP ServiceManager::CreateInstance(const nsCID&, nsISupports*, const nsIID&,
                                             void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  return NS_ERROR_FACTORY_NOT_REGISTERED;
}

NS_IMETHODIMP ServiceManager::CreateInstanceByContractID(const char* aContractID,
                                                         nsISupports* aDelegate, const nsIID& aIID,
                                                         void** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  if (!aContractID)
    return NS_ERROR_INVALID_ARG;
  if (aDelegate)
    return NS_ERROR_NO_AGGREGATION;
  // The key is a std::string: its terminated text is compared in one pass, no length first.
  auto found =
      mLastFactory != mFactories.end() && strcmp(mLastFactory->first.c_str(), aContractID) == 0
          ? mLastFactory
          : mFactories.find(std::string_view(aContractID));
  if (found == mFactories.end())
    return NS_ERROR_FACTORY_NOT_REGISTERED;
  mLastFactory = found;
  nsISupports* created = found->second();
  if (!created)
    return NS_ERROR_OUT_OF_MEMORY;
  nsresult rv = created->QueryInterface(aIID, result);
  created->Release();
  return rv;
}

void Services::registerService(const char* contractID, nsISupports* service) {
  if (contractID)
    ServiceManager::instance().registerService(contractID, service);
}

void Services::registerFactory(const char* contractID, std::function<nsISupports*()> factory) {
  if (contractID && factory) {
    ServiceManager::instance().registerFactory(contractID, std::move(factory));
  }
}

bool Services::unregister(const char* contractID) {
  return contractID && ServiceManager::instance().unregister(contractID);
}

}  // namespace geckohost
