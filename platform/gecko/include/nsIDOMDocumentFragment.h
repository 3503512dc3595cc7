// A parentless holder of nodes; inserting it inserts its children.
#ifndef __gen_nsIDOMDocumentFragment_h__
#define __gen_nsIDOMDocumentFragment_h__

#include "nsIDOMNode.h"

#define NS_IDOMDOCUMENTFRAGMENT_IID_STR "a6cf9076-15b3-11d2-932e-00805f8add32"

#define NS_IDOMDOCUMENTFRAGMENT_IID                  \
  {                                                  \
    0xa6cf9076, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMDocumentFragment : public nsIDOMNode {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENTFRAGMENT_IID)
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMDocumentFragment, NS_IDOMDOCUMENTFRAGMENT_IID)

// Declares every method of nsIDOMDocumentFragment in a class that implements it.
#define NS_DECL_NSIDOMDOCUMENTFRAGMENT

// Implements every method of nsIDOMDocumentFragment by calling the same method of _to.
#define NS_FORWARD_NSIDOMDOCUMENTFRAGMENT(_to)

#endif
