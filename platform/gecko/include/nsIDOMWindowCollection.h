// The child windows of a window, by index and by name.
#ifndef __gen_nsIDOMWindowCollection_h__
#define __gen_nsIDOMWindowCollection_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIDOMWindow;

#define NS_IDOMWINDOWCOLLECTION_IID_STR "a6cf906f-15b3-11d2-932e-00805f8add32"

#define NS_IDOMWINDOWCOLLECTION_IID                  \
  {                                                  \
    0xa6cf906f, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMWindowCollection : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMWINDOWCOLLECTION_IID)

  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMWindow** _retval) = 0;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMWindow** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMWindowCollection, NS_IDOMWINDOWCOLLECTION_IID)

// Declares every method of nsIDOMWindowCollection in a class that implements it.
#define NS_DECL_NSIDOMWINDOWCOLLECTION                              \
  NS_IMETHOD GetLength(PRUint32* aLength) override;                 \
  NS_IMETHOD Item(PRUint32 index, nsIDOMWindow** _retval) override; \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMWindow** _retval) override;

// Implements every method of nsIDOMWindowCollection by calling the same method of _to.
#define NS_FORWARD_NSIDOMWINDOWCOLLECTION(_to)                                   \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                             \
    return _to GetLength(aLength);                                               \
  }                                                                              \
  NS_IMETHOD Item(PRUint32 index, nsIDOMWindow** _retval) override {             \
    return _to Item(index, _retval);                                             \
  }                                                                              \
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMWindow** _retval) override { \
    return _to NamedItem(name, _retval);                                         \
  }

#endif
