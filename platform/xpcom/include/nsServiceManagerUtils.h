// do_GetService: a service by contract ID, for nsCOMPtr.
#ifndef nsServiceManagerUtils_h__
#define nsServiceManagerUtils_h__

#include "nsCOMPtr.h"
#include "nsIServiceManager.h"

class nsGetServiceByContractIDWithError : public nsCOMPtr_helper {
 public:
  nsGetServiceByContractIDWithError(const char* aContractID, nsresult* aErrorPtr)
      : mContractID(aContractID), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const char* mContractID;
  nsresult* mErrorPtr;
};

inline const nsGetServiceByContractIDWithError do_GetService(const char* aContractID,
                                                             nsresult* aError = nsnull) {
  return nsGetServiceByContractIDWithError(aContractID, aError);
}

nsresult CallGetService(const char* aContractID, const nsIID& aIID, void** aResult);

template <class DestinationType>
inline nsresult CallGetService(const char* aContractID, DestinationType** aDestination) {
  return CallGetService(aContractID, NS_GET_IID(DestinationType),
                        reinterpret_cast<void**>(aDestination));
}

#endif
