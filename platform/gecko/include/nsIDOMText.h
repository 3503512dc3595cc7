// A text node.
#ifndef __gen_nsIDOMText_h__
#define __gen_nsIDOMText_h__

#include "nsIDOMCharacterData.h"

#define NS_IDOMTEXT_IID_STR "a6cf9082-15b3-11d2-932e-00805f8add32"

#define NS_IDOMTEXT_IID                              \
  {                                                  \
    0xa6cf9082, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMText : public nsIDOMCharacterData {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMTEXT_IID)

  NS_IMETHOD SplitText(PRUint32 offset, nsIDOMText** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMText, NS_IDOMTEXT_IID)

// Declares every method of nsIDOMText in a class that implements it.
#define NS_DECL_NSIDOMTEXT NS_IMETHOD SplitText(PRUint32 offset, nsIDOMText** _retval) override;

// Implements every method of nsIDOMText by calling the same method of _to.
#define NS_FORWARD_NSIDOMTEXT(_to)                                       \
  NS_IMETHOD SplitText(PRUint32 offset, nsIDOMText** _retval) override { \
    return _to SplitText(offset, _retval);                               \
  }

#endif
