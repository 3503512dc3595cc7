// An attribute of an element, as a node of its own.
#ifndef __gen_nsIDOMAttr_h__
#define __gen_nsIDOMAttr_h__

#include "nsIDOMNode.h"
#include "nsStringAPI.h"

class nsIDOMElement;

#define NS_IDOMATTR_IID_STR "a6cf9070-15b3-11d2-932e-00805f8add32"

#define NS_IDOMATTR_IID                              \
  {                                                  \
    0xa6cf9070, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMAttr : public nsIDOMNode {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMATTR_IID)

  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD GetSpecified(PRBool* aSpecified) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD GetOwnerElement(nsIDOMElement** aOwnerElement) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMAttr, NS_IDOMATTR_IID)

// Declares every method of nsIDOMAttr in a class that implements it.
#define NS_DECL_NSIDOMATTR                               \
  NS_IMETHOD GetName(nsAString& aName) override;         \
  NS_IMETHOD GetSpecified(PRBool* aSpecified) override;  \
  NS_IMETHOD GetValue(nsAString& aValue) override;       \
  NS_IMETHOD SetValue(const nsAString& aValue) override; \
  NS_IMETHOD GetOwnerElement(nsIDOMElement** aOwnerElement) override;

// Implements every method of nsIDOMAttr by calling the same method of _to.
#define NS_FORWARD_NSIDOMATTR(_to)                                     \
  NS_IMETHOD GetName(nsAString& aName) override {                      \
    return _to GetName(aName);                                         \
  }                                                                    \
  NS_IMETHOD GetSpecified(PRBool* aSpecified) override {               \
    return _to GetSpecified(aSpecified);                               \
  }                                                                    \
  NS_IMETHOD GetValue(nsAString& aValue) override {                    \
    return _to GetValue(aValue);                                       \
  }                                                                    \
  NS_IMETHOD SetValue(const nsAString& aValue) override {              \
    return _to SetValue(aValue);                                       \
  }                                                                    \
  NS_IMETHOD GetOwnerElement(nsIDOMElement** aOwnerElement) override { \
    return _to GetOwnerElement(aOwnerElement);                         \
  }

#endif
