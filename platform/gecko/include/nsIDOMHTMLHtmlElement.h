// The HTML root element.
#ifndef __gen_nsIDOMHTMLHtmlElement_h__
#define __gen_nsIDOMHTMLHtmlElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLHTMLELEMENT_IID_STR "a6cf9086-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLHTMLELEMENT_IID                   \
  {                                                  \
    0xa6cf9086, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLHtmlElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLHTMLELEMENT_IID)

  NS_IMETHOD GetVersion(nsAString& aVersion) = 0;
  NS_IMETHOD SetVersion(const nsAString& aVersion) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLHtmlElement, NS_IDOMHTMLHTMLELEMENT_IID)

// Declares every method of nsIDOMHTMLHtmlElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLHTMLELEMENT                  \
  NS_IMETHOD GetVersion(nsAString& aVersion) override; \
  NS_IMETHOD SetVersion(const nsAString& aVersion) override;

// Implements every method of nsIDOMHTMLHtmlElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLHTMLELEMENT(_to)                 \
  NS_IMETHOD GetVersion(nsAString& aVersion) override {       \
    return _to GetVersion(aVersion);                          \
  }                                                           \
  NS_IMETHOD SetVersion(const nsAString& aVersion) override { \
    return _to SetVersion(aVersion);                          \
  }

#endif
