// do_GetInterface: asks an object's nsIInterfaceRequestor for a related interface.
#ifndef __nsInterfaceRequestorUtils_h
#define __nsInterfaceRequestorUtils_h

#include "nsCOMPtr.h"
#include "nsIInterfaceRequestor.h"

class nsGetInterface : public nsCOMPtr_helper {
 public:
  nsGetInterface(nsISupports* aSource, nsresult* aError) : mSource(aSource), mErrorPtr(aError) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  nsISupports* mSource;
  nsresult* mErrorPtr;
};

inline const nsGetInterface do_GetInterface(nsISupports* aSource, nsresult* aError = nsnull) {
  return nsGetInterface(aSource, aError);
}

template <class T>
inline nsresult CallGetInterface(T* aSource, void** aResult, const nsIID& aIID) {
  nsGetInterface helper(aSource, nsnull);
  return helper(aIID, aResult);
}

#endif
