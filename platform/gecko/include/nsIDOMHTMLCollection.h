// A live list of elements, by index and by name or id.
#ifndef __gen_nsIDOMHTMLCollection_h__
#define __gen_nsIDOMHTMLCollection_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMNode;

#define NS_IDOMHTMLCOLLECTION_IID_STR "a6cf9083-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLCOLLECTION_IID                    \
  {                                                  \
    0xa6cf9083, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLCollection : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLCOLLECTION_IID)

  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLCollection, NS_IDOMHTMLCOLLECTION_IID)

// Declares every method of nsIDOMHTMLCollection in a class that implements it.
#define NS_DECL_NSIDOMHTMLCOLLECTION                              \
  NS_IMETHOD GetLength(PRUint32* aLength) override;               \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override; \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override;

// Implements every method of nsIDOMHTMLCollection by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLCOLLECTION(_to)                                   \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                           \
    return _to GetLength(aLength);                                             \
  }                                                                            \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override {             \
    return _to Item(index, _retval);                                           \
  }                                                                            \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override { \
    return _to NamedItem(name, _retval);                                       \
  }

#endif
