// The host's service and component managers, one object answering both interfaces, as in
// Gecko. Services and factories are registered by contract ID through the control API.
#ifndef GECKOHOST_XPCOM_SERVICEMANAGER_H
#define GECKOHOST_XPCOM_SERVICEMANAGER_H

#include <functional>
#include <map>
#include <string>

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIComponentManager.h"
#include "nsIServiceManager.h"

namespace geckohost {

class ServiceManager final : public XPCOMObject<nsIServiceManager, nsIComponentManager> {
 public:
  // The process-wide manager, made on first use and kept for the life of the process.
  static ServiceManager& instance();

  void registerService(const std::string& contractID, nsISupports* service);
  void registerFactory(const std::string& contractID, std::function<nsISupports*()> factory);
  bool unregister(const std::string& contractID);

  // nsIServiceManager
  NS_IMETHOD GetService(const nsCID& aClass, const nsIID& aIID, void** result) override;
  NS_IMETHOD GetServiceByContractID(const char* aContractID, const nsIID& aIID,
                                    void** result) override;
  NS_IMETHOD IsServiceInstantiated(const nsCID& aClass, const nsIID& aIID,
                                   PRBool* _retval) override;
  NS_IMETHOD IsServiceInstantiatedByContractID(const char* aContractID, const nsIID& aIID,
                                               PRBool* _retval) override;

  // nsIComponentManager
  NS_IMETHOD GetClassObject(const nsCID& aClass, const nsIID& aIID, void** result) override;
  NS_IMETHOD GetClassObjectByContractID(const char* aContractID, const nsIID& aIID,
                                        void** result) override;
  NS_IMETHOD CreateInstance(const nsCID& aClass, nsISupports* aDelegate, const nsIID& aIID,
                            void** result) override;
  NS_IMETHOD CreateInstanceByContractID(const char* aContractID, nsISupports* aDelegate,
                                        const nsIID& aIID, void** result) override;

 private:
  ServiceManager() : XPCOMObject(Counting::ProcessLifetime) {}
  ~ServiceManager() override = default;

  // Transparent comparison: callers ask with a C string, looked up without copying it.
  std::map<std::string, nsCOMPtr<nsISupports>, std::less<>> mServices;
  using FactoryMap = std::map<std::string, std::function<nsISupports*()>, std::less<>>;
  FactoryMap mFactories;
  // The factory found last: the product creates the same component over and over (an
  // accessibility retrieval per element). end() when none, or when the map changed.
  FactoryMap::const_iterator mLastFactory = mFactories.end();
};

}  // namespace geckohost

#endif
