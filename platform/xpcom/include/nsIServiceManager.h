#ifndef __gen_nsIServiceManager_h__
#define __gen_nsIServiceManager_h__

#include "nsISupports.h"

#define NS_ISERVICEMANAGER_IID                       \
  {                                                  \
    0x8bb35ed9, 0xe332, 0x462d, {                    \
      0x91, 0x55, 0x4a, 0x00, 0x2a, 0xb5, 0xc9, 0x58 \
    }                                                \
  }

// Hands out the one instance of each service, found by class or contract ID.
class nsIServiceManager : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISERVICEMANAGER_IID)

  NS_IMETHOD GetService(const nsCID& aClass, const nsIID& aIID, void** result) = 0;
  NS_IMETHOD GetServiceByContractID(const char* aContractID, const nsIID& aIID, void** result) = 0;
  NS_IMETHOD IsServiceInstantiated(const nsCID& aClass, const nsIID& aIID, PRBool* _retval) = 0;
  NS_IMETHOD IsServiceInstantiatedByContractID(const char* aContractID, const nsIID& aIID,
                                               PRBool* _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIServiceManager, NS_ISERVICEMANAGER_IID)

#endif
