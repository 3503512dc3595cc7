// A comment node; it adds nothing to its character data.
#ifndef __gen_nsIDOMComment_h__
#define __gen_nsIDOMComment_h__

#include "nsIDOMCharacterData.h"

#define NS_IDOMCOMMENT_IID_STR "a6cf9073-15b3-11d2-932e-00805f8add32"

#define NS_IDOMCOMMENT_IID                           \
  {                                                  \
    0xa6cf9073, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMComment : public nsIDOMCharacterData {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMCOMMENT_IID)
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMComment, NS_IDOMCOMMENT_IID)

// Declares every method of nsIDOMComment in a class that implements it.
#define NS_DECL_NSIDOMCOMMENT

// Implements every method of nsIDOMComment by calling the same method of _to.
#define NS_FORWARD_NSIDOMCOMMENT(_to)

#endif
