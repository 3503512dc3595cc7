// An APPLET element. height and width are the attributes' text.
#ifndef __gen_nsIDOMHTMLAppletElement_h__
#define __gen_nsIDOMHTMLAppletElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLAPPLETELEMENT_IID_STR "a6cf90ae-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLAPPLETELEMENT_IID                 \
  {                                                  \
    0xa6cf90ae, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLAppletElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLAPPLETELEMENT_IID)

  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetArchive(nsAString& aArchive) = 0;
  NS_IMETHOD SetArchive(const nsAString& aArchive) = 0;
  NS_IMETHOD GetCode(nsAString& aCode) = 0;
  NS_IMETHOD SetCode(const nsAString& aCode) = 0;
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) = 0;
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetHspace(PRInt32* aHspace) = 0;
  NS_IMETHOD SetHspace(PRInt32 aHspace) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetObject(nsAString& aObject) = 0;
  NS_IMETHOD SetObject(const nsAString& aObject) = 0;
  NS_IMETHOD GetVspace(PRInt32* aVspace) = 0;
  NS_IMETHOD SetVspace(PRInt32 aVspace) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLAppletElement, NS_IDOMHTMLAPPLETELEMENT_IID)

// Declares every method of nsIDOMHTMLAppletElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLAPPLETELEMENT                        \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;             \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;       \
  NS_IMETHOD GetAlt(nsAString& aAlt) override;                 \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override;           \
  NS_IMETHOD GetArchive(nsAString& aArchive) override;         \
  NS_IMETHOD SetArchive(const nsAString& aArchive) override;   \
  NS_IMETHOD GetCode(nsAString& aCode) override;               \
  NS_IMETHOD SetCode(const nsAString& aCode) override;         \
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) override;       \
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) override; \
  NS_IMETHOD GetHeight(nsAString& aHeight) override;           \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override;     \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override;             \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override;              \
  NS_IMETHOD GetName(nsAString& aName) override;               \
  NS_IMETHOD SetName(const nsAString& aName) override;         \
  NS_IMETHOD GetObject(nsAString& aObject) override;           \
  NS_IMETHOD SetObject(const nsAString& aObject) override;     \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override;             \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override;              \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;             \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;

// Implements every method of nsIDOMHTMLAppletElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLAPPLETELEMENT(_to)                 \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {             \
    return _to GetAlign(aAlign);                                \
  }                                                             \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {       \
    return _to SetAlign(aAlign);                                \
  }                                                             \
  NS_IMETHOD GetAlt(nsAString& aAlt) override {                 \
    return _to GetAlt(aAlt);                                    \
  }                                                             \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override {           \
    return _to SetAlt(aAlt);                                    \
  }                                                             \
  NS_IMETHOD GetArchive(nsAString& aArchive) override {         \
    return _to GetArchive(aArchive);                            \
  }                                                             \
  NS_IMETHOD SetArchive(const nsAString& aArchive) override {   \
    return _to SetArchive(aArchive);                            \
  }                                                             \
  NS_IMETHOD GetCode(nsAString& aCode) override {               \
    return _to GetCode(aCode);                                  \
  }                                                             \
  NS_IMETHOD SetCode(const nsAString& aCode) override {         \
    return _to SetCode(aCode);                                  \
  }                                                             \
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) override {       \
    return _to GetCodeBase(aCodeBase);                          \
  }                                                             \
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) override { \
    return _to SetCodeBase(aCodeBase);                          \
  }                                                             \
  NS_IMETHOD GetHeight(nsAString& aHeight) override {           \
    return _to GetHeight(aHeight);                              \
  }                                                             \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override {     \
    return _to SetHeight(aHeight);                              \
  }                                                             \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override {             \
    return _to GetHspace(aHspace);                              \
  }                                                             \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override {              \
    return _to SetHspace(aHspace);                              \
  }                                                             \
  NS_IMETHOD GetName(nsAString& aName) override {               \
    return _to GetName(aName);                                  \
  }                                                             \
  NS_IMETHOD SetName(const nsAString& aName) override {         \
    return _to SetName(aName);                                  \
  }                                                             \
  NS_IMETHOD GetObject(nsAString& aObject) override {           \
    return _to GetObject(aObject);                              \
  }                                                             \
  NS_IMETHOD SetObject(const nsAString& aObject) override {     \
    return _to SetObject(aObject);                              \
  }                                                             \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override {             \
    return _to GetVspace(aVspace);                              \
  }                                                             \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override {              \
    return _to SetVspace(aVspace);                              \
  }                                                             \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {             \
    return _to GetWidth(aWidth);                                \
  }                                                             \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {       \
    return _to SetWidth(aWidth);                                \
  }

#endif
