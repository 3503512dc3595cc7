#ifndef __gen_nsIFactory_h__
#define __gen_nsIFactory_h__

#include "nsISupports.h"

#define NS_IFACTORY_IID                              \
  {                                                  \
    0x00000001, 0x0000, 0x0000, {                    \
      0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 \
    }                                                \
  }

// Makes new instances of one class of component.
class nsIFactory : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IFACTORY_IID)

  NS_IMETHOD CreateInstance(nsISupports* aOuter, const nsIID& iid, void** result) = 0;
  NS_IMETHOD LockFactory(PRBool lock) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIFactory, NS_IFACTORY_IID)

#endif
