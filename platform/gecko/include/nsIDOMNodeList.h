// An ordered list of nodes. The lists that the DOM hands out (child nodes, elements by tag
// name) are live: they follow later changes of the tree.
#ifndef __gen_nsIDOMNodeList_h__
#define __gen_nsIDOMNodeList_h__

#include "nsISupports.h"

class nsIDOMNode;

#define NS_IDOMNODELIST_IID_STR "a6cf907d-15b3-11d2-932e-00805f8add32"

#define NS_IDOMNODELIST_IID                          \
  {                                                  \
    0xa6cf907d, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMNodeList : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMNODELIST_IID)

  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMNodeList, NS_IDOMNODELIST_IID)

// Declares every method of nsIDOMNodeList in a class that implements it.
#define NS_DECL_NSIDOMNODELIST                                    \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override; \
  NS_IMETHOD GetLength(PRUint32* aLength) override;

// Implements every method of nsIDOMNodeList by calling the same method of _to.
#define NS_FORWARD_NSIDOMNODELIST(_to)                             \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override { \
    return _to Item(index, _retval);                               \
  }                                                                \
  NS_IMETHOD GetLength(PRUint32* aLength) override {               \
    return _to GetLength(aLength);                                 \
  }

#endif
