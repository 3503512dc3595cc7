// A FORM element and its controls.
#ifndef __gen_nsIDOMHTMLFormElement_h__
#define __gen_nsIDOMHTMLFormElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;

#define NS_IDOMHTMLFORMELEMENT_IID_STR "a6cf908f-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLFORMELEMENT_IID                   \
  {                                                  \
    0xa6cf908f, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLFormElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLFORMELEMENT_IID)

  NS_IMETHOD GetElements(nsIDOMHTMLCollection** aElements) = 0;
  NS_IMETHOD GetLength(PRInt32* aLength) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetAcceptCharset(nsAString& aAcceptCharset) = 0;
  NS_IMETHOD SetAcceptCharset(const nsAString& aAcceptCharset) = 0;
  NS_IMETHOD GetAction(nsAString& aAction) = 0;
  NS_IMETHOD SetAction(const nsAString& aAction) = 0;
  NS_IMETHOD GetEnctype(nsAString& aEnctype) = 0;
  NS_IMETHOD SetEnctype(const nsAString& aEnctype) = 0;
  NS_IMETHOD GetMethod(nsAString& aMethod) = 0;
  NS_IMETHOD SetMethod(const nsAString& aMethod) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;
  NS_IMETHOD Submit(void) = 0;
  NS_IMETHOD Reset(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLFormElement, NS_IDOMHTMLFORMELEMENT_IID)

// Declares every method of nsIDOMHTMLFormElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLFORMELEMENT                                    \
  NS_IMETHOD GetElements(nsIDOMHTMLCollection** aElements) override;     \
  NS_IMETHOD GetLength(PRInt32* aLength) override;                       \
  NS_IMETHOD GetName(nsAString& aName) override;                         \
  NS_IMETHOD SetName(const nsAString& aName) override;                   \
  NS_IMETHOD GetAcceptCharset(nsAString& aAcceptCharset) override;       \
  NS_IMETHOD SetAcceptCharset(const nsAString& aAcceptCharset) override; \
  NS_IMETHOD GetAction(nsAString& aAction) override;                     \
  NS_IMETHOD SetAction(const nsAString& aAction) override;               \
  NS_IMETHOD GetEnctype(nsAString& aEnctype) override;                   \
  NS_IMETHOD SetEnctype(const nsAString& aEnctype) override;             \
  NS_IMETHOD GetMethod(nsAString& aMethod) override;                     \
  NS_IMETHOD SetMethod(const nsAString& aMethod) override;               \
  NS_IMETHOD GetTarget(nsAString& aTarget) override;                     \
  NS_IMETHOD SetTarget(const nsAString& aTarget) override;               \
  NS_IMETHOD Submit(void) override;                                      \
  NS_IMETHOD Reset(void) override;

// Implements every method of nsIDOMHTMLFormElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLFORMELEMENT(_to)                             \
  NS_IMETHOD GetElements(nsIDOMHTMLCollection** aElements) override {     \
    return _to GetElements(aElements);                                    \
  }                                                                       \
  NS_IMETHOD GetLength(PRInt32* aLength) override {                       \
    return _to GetLength(aLength);                                        \
  }                                                                       \
  NS_IMETHOD GetName(nsAString& aName) override {                         \
    return _to GetName(aName);                                            \
  }                                                                       \
  NS_IMETHOD SetName(const nsAString& aName) override {                   \
    return _to SetName(aName);                                            \
  }                                                                       \
  NS_IMETHOD GetAcceptCharset(nsAString& aAcceptCharset) override {       \
    return _to GetAcceptCharset(aAcceptCharset);                          \
  }                                                                       \
  NS_IMETHOD SetAcceptCharset(const nsAString& aAcceptCharset) override { \
    return _to SetAcceptCharset(aAcceptCharset);                          \
  }                                                                       \
  NS_IMETHOD GetAction(nsAString& aAction) override {                     \
    return _to GetAction(aAction);                                        \
  }                                                                       \
  NS_IMETHOD SetAction(const nsAString& aAction) override {               \
    return _to SetAction(aAction);                                        \
  }                                                                       \
  NS_IMETHOD GetEnctype(nsAString& aEnctype) override {                   \
    return _to GetEnctype(aEnctype);                                      \
  }                                                                       \
  NS_IMETHOD SetEnctype(const nsAString& aEnctype) override {             \
    return _to SetEnctype(aEnctype);                                      \
  }                                                                       \
  NS_IMETHOD GetMethod(nsAString& aMethod) override {                     \
    return _to GetMethod(aMethod);                                        \
  }                                                                       \
  NS_IMETHOD SetMethod(const nsAString& aMethod) override {               \
    return _to SetMethod(aMethod);                                        \
  }                                                                       \
  NS_IMETHOD GetTarget(nsAString& aTarget) override {                     \
    return _to GetTarget(aTarget);                                        \
  }                                                                       \
  NS_IMETHOD SetTarget(const nsAString& aTarget) override {               \
    return _to SetTarget(aTarget);                                        \
  }                                                                       \
  NS_IMETHOD Submit(void) override {                                      \
    return _to Submit();                                                  \
  }                                                                       \
  NS_IMETHOD Reset(void) override {                                       \
    return _to Reset();                                                   \
  }

#endif
