// An AREA element of an image map.
#ifndef __gen_nsIDOMHTMLAreaElement_h__
#define __gen_nsIDOMHTMLAreaElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLAREAELEMENT_IID_STR "a6cf90b0-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLAREAELEMENT_IID                   \
  {                                                  \
    0xa6cf90b0, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLAreaElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLAREAELEMENT_IID)

  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetCoords(nsAString& aCoords) = 0;
  NS_IMETHOD SetCoords(const nsAString& aCoords) = 0;
  NS_IMETHOD GetHref(nsAString& aHref) = 0;
  NS_IMETHOD SetHref(const nsAString& aHref) = 0;
  NS_IMETHOD GetNoHref(PRBool* aNoHref) = 0;
  NS_IMETHOD SetNoHref(PRBool aNoHref) = 0;
  NS_IMETHOD GetShape(nsAString& aShape) = 0;
  NS_IMETHOD SetShape(const nsAString& aShape) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLAreaElement, NS_IDOMHTMLAREAELEMENT_IID)

// Declares every method of nsIDOMHTMLAreaElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLAREAELEMENT                            \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override;       \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override; \
  NS_IMETHOD GetAlt(nsAString& aAlt) override;                   \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override;             \
  NS_IMETHOD GetCoords(nsAString& aCoords) override;             \
  NS_IMETHOD SetCoords(const nsAString& aCoords) override;       \
  NS_IMETHOD GetHref(nsAString& aHref) override;                 \
  NS_IMETHOD SetHref(const nsAString& aHref) override;           \
  NS_IMETHOD GetNoHref(PRBool* aNoHref) override;                \
  NS_IMETHOD SetNoHref(PRBool aNoHref) override;                 \
  NS_IMETHOD GetShape(nsAString& aShape) override;               \
  NS_IMETHOD SetShape(const nsAString& aShape) override;         \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;           \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;            \
  NS_IMETHOD GetTarget(nsAString& aTarget) override;             \
  NS_IMETHOD SetTarget(const nsAString& aTarget) override;

// Implements every method of nsIDOMHTMLAreaElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLAREAELEMENT(_to)                     \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {       \
    return _to GetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override { \
    return _to SetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD GetAlt(nsAString& aAlt) override {                   \
    return _to GetAlt(aAlt);                                      \
  }                                                               \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override {             \
    return _to SetAlt(aAlt);                                      \
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
  NS_IMETHOD GetNoHref(PRBool* aNoHref) override {                \
    return _to GetNoHref(aNoHref);                                \
  }                                                               \
  NS_IMETHOD SetNoHref(PRBool aNoHref) override {                 \
    return _to SetNoHref(aNoHref);                                \
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
  }

#endif
