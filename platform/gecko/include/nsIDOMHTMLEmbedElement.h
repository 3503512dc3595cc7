// An EMBED element. height and width are the attributes' text.
#ifndef __gen_nsIDOMHTMLEmbedElement_h__
#define __gen_nsIDOMHTMLEmbedElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLEMBEDELEMENT_IID_STR "123f90ab-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLEMBEDELEMENT_IID                  \
  {                                                  \
    0x123f90ab, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLEmbedElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLEMBEDELEMENT_IID)

  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLEmbedElement, NS_IDOMHTMLEMBEDELEMENT_IID)

// Declares every method of nsIDOMHTMLEmbedElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLEMBEDELEMENT                     \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;         \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;   \
  NS_IMETHOD GetHeight(nsAString& aHeight) override;       \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override; \
  NS_IMETHOD GetName(nsAString& aName) override;           \
  NS_IMETHOD SetName(const nsAString& aName) override;     \
  NS_IMETHOD GetSrc(nsAString& aSrc) override;             \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override;       \
  NS_IMETHOD GetType(nsAString& aType) override;           \
  NS_IMETHOD SetType(const nsAString& aType) override;     \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;         \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;

// Implements every method of nsIDOMHTMLEmbedElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLEMBEDELEMENT(_to)              \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {         \
    return _to GetAlign(aAlign);                            \
  }                                                         \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {   \
    return _to SetAlign(aAlign);                            \
  }                                                         \
  NS_IMETHOD GetHeight(nsAString& aHeight) override {       \
    return _to GetHeight(aHeight);                          \
  }                                                         \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override { \
    return _to SetHeight(aHeight);                          \
  }                                                         \
  NS_IMETHOD GetName(nsAString& aName) override {           \
    return _to GetName(aName);                              \
  }                                                         \
  NS_IMETHOD SetName(const nsAString& aName) override {     \
    return _to SetName(aName);                              \
  }                                                         \
  NS_IMETHOD GetSrc(nsAString& aSrc) override {             \
    return _to GetSrc(aSrc);                                \
  }                                                         \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override {       \
    return _to SetSrc(aSrc);                                \
  }                                                         \
  NS_IMETHOD GetType(nsAString& aType) override {           \
    return _to GetType(aType);                              \
  }                                                         \
  NS_IMETHOD SetType(const nsAString& aType) override {     \
    return _to SetType(aType);                              \
  }                                                         \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {         \
    return _to GetWidth(aWidth);                            \
  }                                                         \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {   \
    return _to SetWidth(aWidth);                            \
  }

#endif
