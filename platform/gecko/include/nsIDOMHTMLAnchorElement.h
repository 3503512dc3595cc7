// An A element. href answers the resolved address.
#ifndef __gen_nsIDOMHTMLAnchorElement_h__
#define __gen_nsIDOMHTMLAnchorElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLANCHORELEMENT_IID_STR "a6cf90aa-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLANCHORELEMENT_IID                 \
  {                                                  \
    0xa6cf90aa, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLAnchorElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLANCHORELEMENT_IID)

  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetCharset(nsAString& aCharset) = 0;
  NS_IMETHOD SetCharset(const nsAString& aCharset) = 0;
  NS_IMETHOD GetCoords(nsAString& aCoords) = 0;
  NS_IMETHOD SetCoords(const nsAString& aCoords) = 0;
  NS_IMETHOD GetHref(nsAString& aHref) = 0;
  NS_IMETHOD SetHref(const nsAString& aHref) = 0;
  NS_IMETHOD GetHreflang(nsAString& aHreflang) = 0;
  NS_IMETHOD SetHreflang(const nsAString& aHreflang) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetRel(nsAString& aRel) = 0;
  NS_IMETHOD SetRel(const nsAString& aRel) = 0;
  NS_IMETHOD GetRev(nsAString& aRev) = 0;
  NS_IMETHOD SetRev(const nsAString& aRev) = 0;
  NS_IMETHOD GetShape(nsAString& aShape) = 0;
  NS_IMETHOD SetShape(const nsAString& aShape) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLAnchorElement, NS_IDOMHTMLANCHORELEMENT_IID)

// Declares every method of nsIDOMHTMLAnchorElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLANCHORELEMENT                          \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override;       \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override; \
  NS_IMETHOD GetCharset(nsAString& aCharset) override;           \
  NS_IMETHOD SetCharset(const nsAString& aCharset) override;     \
  NS_IMETHOD GetCoords(nsAString& aCoords) override;             \
  NS_IMETHOD SetCoords(const nsAString& aCoords) override;       \
  NS_IMETHOD GetHref(nsAString& aHref) override;                 \
  NS_IMETHOD SetHref(const nsAString& aHref) override;           \
  NS_IMETHOD GetHreflang(nsAString& aHreflang) override;         \
  NS_IMETHOD SetHreflang(const nsAString& aHreflang) override;   \
  NS_IMETHOD GetName(nsAString& aName) override;                 \
  NS_IMETHOD SetName(const nsAString& aName) override;           \
  NS_IMETHOD GetRel(nsAString& aRel) override;                   \
  NS_IMETHOD SetRel(const nsAString& aRel) override;             \
  NS_IMETHOD GetRev(nsAString& aRev) override;                   \
  NS_IMETHOD SetRev(const nsAString& aRev) override;             \
  NS_IMETHOD GetShape(nsAString& aShape) override;               \
  NS_IMETHOD SetShape(const nsAString& aShape) override;         \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;           \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;            \
  NS_IMETHOD GetTarget(nsAString& aTarget) override;             \
  NS_IMETHOD SetTarget(const nsAString& aTarget) override;       \
  NS_IMETHOD GetType(nsAString& aType) override;                 \
  NS_IMETHOD SetType(const nsAString& aType) override;           \
  NS_IMETHOD Blur(void) override;                                \
  NS_IMETHOD Focus(void) override;

// Implements every method of nsIDOMHTMLAnchorElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLANCHORELEMENT(_to)                   \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {       \
    return _to GetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override { \
    return _to SetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD GetCharset(nsAString& aCharset) override {           \
    return _to GetCharset(aCharset);                              \
  }                                                               \
  NS_IMETHOD SetCharset(const nsAString& aCharset) override {     \
    return _to SetCharset(aCharset);                              \
  }                                                               \
  NS_IMETHOD GetCoords(nsAString& aCoords) override {             \
    return _to GetCoords(aCoords);                                \
  }                                                               \
  NS_IMETHOD SetCoords(const nsAString& aCoords) override {       \
    return _to SetCoords(aCoords);                                \
  }                                                               \
  NS_IMETHOD GetHref(nsAString& aHref) override {                 \
    return _to GetHref(aHref);                                    \
  }                                                               \
  NS_IMETHOD SetHref(const nsAString& aHref) override {           \
    return _to SetHref(aHref);                                    \
  }                                                               \
  NS_IMETHOD GetHreflang(nsAString& aHreflang) override {         \
    return _to GetHreflang(aHreflang);                            \
  }                                                               \
  NS_IMETHOD SetHreflang(const nsAString& aHreflang) override {   \
    return _to SetHreflang(aHreflang);                            \
  }                                                               \
  NS_IMETHOD GetName(nsAString& aName) override {                 \
    return _to GetName(aName);                                    \
  }                                                               \
  NS_IMETHOD SetName(const nsAString& aName) override {           \
    return _to SetName(aName);                                    \
  }                                                               \
  NS_IMETHOD GetRel(nsAString& aRel) override {                   \
    return _to GetRel(aRel);                                      \
  }                                                               \
  NS_IMETHOD SetRel(const nsAString& aRel) override {             \
    return _to SetRel(aRel);                                      \
  }                                                               \
  NS_IMETHOD GetRev(nsAString& aRev) override {                   \
    return _to GetRev(aRev);                                      \
  }                                                               \
  NS_IMETHOD SetRev(const nsAString& aRev) override {             \
    return _to SetRev(aRev);                                      \
  }                                                               \
  NS_IMETHOD GetShape(nsAString& aShape) override {               \
    return _to GetShape(aShape);                                  \
  }                                                               \
  NS_IMETHOD SetShape(const nsAString& aShape) override {         \
    return _to SetShape(aShape);                                  \
  }                                                               \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {           \
    return _to GetTabIndex(aTabIndex);                            \
  }                                                               \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {            \
    return _to SetTabIndex(aTabIndex);                            \
  }                                                               \
  NS_IMETHOD GetTarget(nsAString& aTarget) override {             \
    return _to GetTarget(aTarget);                                \
  }                                                               \
  NS_IMETHOD SetTarget(const nsAString& aTarget) override {       \
    return _to SetTarget(aTarget);                                \
  }                                                               \
  NS_IMETHOD GetType(nsAString& aType) override {                 \
    return _to GetType(aType);                                    \
  }                                                               \
  NS_IMETHOD SetType(const nsAString& aType) override {           \
    return _to SetType(aType);                                    \
  }                                                               \
  NS_IMETHOD Blur(void) override {                                \
    return _to Blur();                                            \
  }                                                               \
  NS_IMETHOD Focus(void) override {                               \
    return _to Focus();                                           \
  }

#endif
