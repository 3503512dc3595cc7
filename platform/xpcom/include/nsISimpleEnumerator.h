#ifndef __gen_nsISimpleEnumerator_h__
#define __gen_nsISimpleEnumerator_h__

#include "nsISupports.h"

#define NS_ISIMPLEENUMERATOR_IID                     \
  {                                                  \
    0xd1899240, 0xf9d2, 0x11d2, {                    \
      0xbd, 0xd6, 0x00, 0x00, 0x64, 0x65, 0x73, 0x74 \
    }                                                \
  }

// A single pass over a sequence of objects.
class nsISimpleEnumerator : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISIMPLEENUMERATOR_IID)

  NS_IMETHOD HasMoreElements(PRBool* _retval) = 0;
  NS_IMETHOD GetNext(nsISupports** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsISimpleEnumerator, NS_ISIMPLEENUMERATOR_IID)

#endif
