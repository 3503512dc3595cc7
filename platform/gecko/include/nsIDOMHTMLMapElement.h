// A MAP element and its areas.
#ifndef __gen_nsIDOMHTMLMapElement_h__
#define __gen_nsIDOMHTMLMapElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;

#define NS_IDOMHTMLMAPELEMENT_IID_STR "a6cf90af-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLMAPELEMENT_IID                    \
  {                                                  \
    0xa6cf90af, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLMapElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLMAPELEMENT_IID)

  NS_IMETHOD GetAreas(nsIDOMHTMLCollection** aAreas) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLMapElement, NS_IDOMHTMLMAPELEMENT_IID)

// Declares every method of nsIDOMHTMLMapElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLMAPELEMENT                           \
  NS_IMETHOD GetAreas(nsIDOMHTMLCollection** aAreas) override; \
  NS_IMETHOD GetName(nsAString& aName) override;               \
  NS_IMETHOD SetName(const nsAString& aName) override;

// Implements every method of nsIDOMHTMLMapElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLMAPELEMENT(_to)                    \
  NS_IMETHOD GetAreas(nsIDOMHTMLCollection** aAreas) override { \
    return _to GetAreas(aAreas);                                \
  }                                                             \
  NS_IMETHOD GetName(nsAString& aName) override {               \
    return _to GetName(aName);                                  \
  }                                                             \
  NS_IMETHOD SetName(const nsAString& aName) override {         \
    return _to SetName(aName);                                  \
  }

#endif
