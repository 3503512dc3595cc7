// do_CreateInstance: a new component instance by contract ID, for nsCOMPtr.
#ifndef nsComponentManagerUtils_h__
#define nsComponentManagerUtils_h__

#include "nsCOMPtr.h"
#include "nsIComponentManager.h"

class nsCreateInstanceByContractID : public nsCOMPtr_helper {
 public:
  nsCreateInstanceByContractID(const char* aContractID, nsISupports* aOuter, nsresult* aErrorPtr)
      : mContractID(aContractID), mOuter(aOuter), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const char* mContractID;
  nsISupports* mOuter;
  nsresult* mErrorPtr;
};

inline const nsCreateInstanceByContractID do_CreateInstance(const char* aContractID,
                                                            nsresult* aError = nsnull) {
  return nsCreateInstanceByContractID(aContractID, nsnull, aError);
}

nsresult CallCreateInstance(const char* aContractID, nsISupports* aOuter, const nsIID& aIID,
                            void** aResult);

template <class DestinationType>
inline nsresult CallCreateInstance(const char* aContractID, DestinationType** aDestination) {
  return CallCreateInstance(aContractID, nsnull, NS_GET_IID(DestinationType),
                            reinterpret_cast<void**>(aDestination));
}

#endif
