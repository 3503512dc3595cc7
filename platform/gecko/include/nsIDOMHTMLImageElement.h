// An IMG element. height, width and the spaces are numbers; border is the attribute's text.
#ifndef __gen_nsIDOMHTMLImageElement_h__
#define __gen_nsIDOMHTMLImageElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLIMAGEELEMENT_IID_STR "a6cf90ab-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLIMAGEELEMENT_IID                  \
  {                                                  \
    0xa6cf90ab, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLImageElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLIMAGEELEMENT_IID)

  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetBorder(nsAString& aBorder) = 0;
  NS_IMETHOD SetBorder(const nsAString& aBorder) = 0;
  NS_IMETHOD GetHeight(PRInt32* aHeight) = 0;
  NS_IMETHOD SetHeight(PRInt32 aHeight) = 0;
  NS_IMETHOD GetHspace(PRInt32* aHspace) = 0;
  NS_IMETHOD SetHspace(PRInt32 aHspace) = 0;
  NS_IMETHOD GetIsMap(PRBool* aIsMap) = 0;
  NS_IMETHOD SetIsMap(PRBool aIsMap) = 0;
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) = 0;
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetUseMap(nsAString& aUseMap) = 0;
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) = 0;
  NS_IMETHOD GetVspace(PRInt32* aVspace) = 0;
  NS_IMETHOD SetVspace(PRInt32 aVspace) = 0;
  NS_IMETHOD GetWidth(PRInt32* aWidth) = 0;
  NS_IMETHOD SetWidth(PRInt32 aWidth) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLImageElement, NS_IDOMHTMLIMAGEELEMENT_IID)

// Declares every method of nsIDOMHTMLImageElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLIMAGEELEMENT                         \
  NS_IMETHOD GetName(nsAString& aName) override;               \
  NS_IMETHOD SetName(const nsAString& aName) override;         \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;             \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;       \
  NS_IMETHOD GetAlt(nsAString& aAlt) override;                 \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override;           \
  NS_IMETHOD GetBorder(nsAString& aBorder) override;           \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override;     \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override;             \
  NS_IMETHOD SetHeight(PRInt32 aHeight) override;              \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override;             \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override;              \
  NS_IMETHOD GetIsMap(PRBool* aIsMap) override;                \
  NS_IMETHOD SetIsMap(PRBool aIsMap) override;                 \
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) override;       \
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) override; \
  NS_IMETHOD GetSrc(nsAString& aSrc) override;                 \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override;           \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override;           \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override;     \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override;             \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override;              \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override;               \
  NS_IMETHOD SetWidth(PRInt32 aWidth) override;

// Implements every method of nsIDOMHTMLImageElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLIMAGEELEMENT(_to)                  \
  NS_IMETHOD GetName(nsAString& aName) override {               \
    return _to GetName(aName);                                  \
  }                                                             \
  NS_IMETHOD SetName(const nsAString& aName) override {         \
    return _to SetName(aName);                                  \
  }                                                             \
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
  NS_IMETHOD GetBorder(nsAString& aBorder) override {           \
    return _to GetBorder(aBorder);                              \
  }                                                             \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override {     \
    return _to SetBorder(aBorder);                              \
  }                                                             \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override {             \
    return _to GetHeight(aHeight);                              \
  }                                                             \
  NS_IMETHOD SetHeight(PRInt32 aHeight) override {              \
    return _to SetHeight(aHeight);                              \
  }                                                             \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override {             \
    return _to GetHspace(aHspace);                              \
  }                                                             \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override {              \
    return _to SetHspace(aHspace);                              \
  }                                                             \
  NS_IMETHOD GetIsMap(PRBool* aIsMap) override {                \
    return _to GetIsMap(aIsMap);                                \
  }                                                             \
  NS_IMETHOD SetIsMap(PRBool aIsMap) override {                 \
    return _to SetIsMap(aIsMap);                                \
  }                                                             \
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) override {       \
    return _to GetLongDesc(aLongDesc);                          \
  }                                                             \
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) override { \
    return _to SetLongDesc(aLongDesc);                          \
  }                                                             \
  NS_IMETHOD GetSrc(nsAString& aSrc) override {                 \
    return _to GetSrc(aSrc);                                    \
  }                                                             \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override {           \
    return _to SetSrc(aSrc);                                    \
  }                                                             \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override {           \
    return _to GetUseMap(aUseMap);                              \
  }                                                             \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override {     \
    return _to SetUseMap(aUseMap);                              \
  }                                                             \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override {             \
    return _to GetVspace(aVspace);                              \
  }                                                             \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override {              \
    return _to SetVspace(aVspace);                              \
  }                                                             \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override {               \
    return _to GetWidth(aWidth);                                \
  }                                                             \
  NS_IMETHOD SetWidth(PRInt32 aWidth) override {                \
    return _to SetWidth(aWidth);                                \
  }

#endif
