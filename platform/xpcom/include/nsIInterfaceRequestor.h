#ifndef __gen_nsIInterfaceRequestor_h__
#define __gen_nsIInterfaceRequestor_h__

#include "nsISupports.h"

#define NS_IINTERFACEREQUESTOR_IID                   \
  {                                                  \
    0x033a1470, 0x8b2a, 0x11d3, {                    \
      0xaf, 0x88, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c \
    }                                                \
  }

// Answers interfaces of related objects that the object itself does not implement
// (a document shell hands out its DOM window this way).
class nsIInterfaceRequestor : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IINTERFACEREQUESTOR_IID)

  NS_IMETHOD GetInterface(const nsIID& uuid, void** result) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIInterfaceRequestor, NS_IINTERFACEREQUESTOR_IID)

#endif
