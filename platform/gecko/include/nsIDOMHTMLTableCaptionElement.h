// A CAPTION element of a table.
#ifndef __gen_nsIDOMHTMLTableCaptionElement_h__
#define __gen_nsIDOMHTMLTableCaptionElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLTABLECAPTIONELEMENT_IID_STR "a6cf90b3-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTABLECAPTIONELEMENT_IID           \
  {                                                  \
    0xa6cf90b3, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTableCaptionElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLECAPTIONELEMENT_IID)

  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTableCaptionElement, NS_IDOMHTMLTABLECAPTIONELEMENT_IID)

// Declares every method of nsIDOMHTMLTableCaptionElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTABLECAPTIONELEMENT      \
  NS_IMETHOD GetAlign(nsAString& aAlign) override; \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;

// Implements every method of nsIDOMHTMLTableCaptionElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTABLECAPTIONELEMENT(_to)     \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {       \
    return _to GetAlign(aAlign);                          \
  }                                                       \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override { \
    return _to SetAlign(aAlign);                          \
  }

#endif
