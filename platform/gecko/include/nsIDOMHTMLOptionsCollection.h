// The options of a select element; setting the length adds or removes options.
#ifndef __gen_nsIDOMHTMLOptionsCollection_h__
#define __gen_nsIDOMHTMLOptionsCollection_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMNode;

#define NS_IDOMHTMLOPTIONSCOLLECTION_IID_STR "bce0213c-f70f-488f-b93f-688acca55d63"

#define NS_IDOMHTMLOPTIONSCOLLECTION_IID             \
  {                                                  \
    0xbce0213c, 0xf70f, 0x488f, {                    \
      0xb9, 0x3f, 0x68, 0x8a, 0xcc, 0xa5, 0x5d, 0x63 \
    }                                                \
  }

class nsIDOMHTMLOptionsCollection : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLOPTIONSCOLLECTION_IID)

  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SetLength(PRUint32 aLength) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLOptionsCollection, NS_IDOMHTMLOPTIONSCOLLECTION_IID)

// Declares every method of nsIDOMHTMLOptionsCollection in a class that implements it.
#define NS_DECL_NSIDOMHTMLOPTIONSCOLLECTION                       \
  NS_IMETHOD GetLength(PRUint32* aLength) override;               \
  NS_IMETHOD SetLength(PRUint32 aLength) override;                \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override; \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override;

// Implements every method of nsIDOMHTMLOptionsCollection by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLOPTIONSCOLLECTION(_to)                            \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                           \
    return _to GetLength(aLength);                                             \
  }                                                                            \
  NS_IMETHOD SetLength(PRUint32 aLength) override {                            \
    return _to SetLength(aLength);                                             \
  }                                                                            \
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override {             \
    return _to Item(index, _retval);                                           \
  }                                                                            \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override { \
    return _to NamedItem(name, _retval);                                       \
  }

#endif
