// An OBJECT element and, for HTML content, the document it shows.
#ifndef __gen_nsIDOMHTMLObjectElement_h__
#define __gen_nsIDOMHTMLObjectElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMDocument;
class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLOBJECTELEMENT_IID_STR "a6cf90ac-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLOBJECTELEMENT_IID                 \
  {                                                  \
    0xa6cf90ac, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLObjectElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLOBJECTELEMENT_IID)

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetCode(nsAString& aCode) = 0;
  NS_IMETHOD SetCode(const nsAString& aCode) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetArchive(nsAString& aArchive) = 0;
  NS_IMETHOD SetArchive(const nsAString& aArchive) = 0;
  NS_IMETHOD GetBorder(nsAString& aBorder) = 0;
  NS_IMETHOD SetBorder(const nsAString& aBorder) = 0;
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) = 0;
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) = 0;
  NS_IMETHOD GetCodeType(nsAString& aCodeType) = 0;
  NS_IMETHOD SetCodeType(const nsAString& aCodeType) = 0;
  NS_IMETHOD GetData(nsAString& aData) = 0;
  NS_IMETHOD SetData(const nsAString& aData) = 0;
  NS_IMETHOD GetDeclare(PRBool* aDeclare) = 0;
  NS_IMETHOD SetDeclare(PRBool aDeclare) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetHspace(PRInt32* aHspace) = 0;
  NS_IMETHOD SetHspace(PRInt32 aHspace) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetStandby(nsAString& aStandby) = 0;
  NS_IMETHOD SetStandby(const nsAString& aStandby) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD GetUseMap(nsAString& aUseMap) = 0;
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) = 0;
  NS_IMETHOD GetVspace(PRInt32* aVspace) = 0;
  NS_IMETHOD SetVspace(PRInt32 aVspace) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLObjectElement, NS_IDOMHTMLOBJECTELEMENT_IID)

// Declares every method of nsIDOMHTMLObjectElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLOBJECTELEMENT                        \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;  \
  NS_IMETHOD GetCode(nsAString& aCode) override;               \
  NS_IMETHOD SetCode(const nsAString& aCode) override;         \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;             \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;       \
  NS_IMETHOD GetArchive(nsAString& aArchive) override;         \
  NS_IMETHOD SetArchive(const nsAString& aArchive) override;   \
  NS_IMETHOD GetBorder(nsAString& aBorder) override;           \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override;     \
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) override;       \
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) override; \
  NS_IMETHOD GetCodeType(nsAString& aCodeType) override;       \
  NS_IMETHOD SetCodeType(const nsAString& aCodeType) override; \
  NS_IMETHOD GetData(nsAString& aData) override;               \
  NS_IMETHOD SetData(const nsAString& aData) override;         \
  NS_IMETHOD GetDeclare(PRBool* aDeclare) override;            \
  NS_IMETHOD SetDeclare(PRBool aDeclare) override;             \
  NS_IMETHOD GetHeight(nsAString& aHeight) override;           \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override;     \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override;             \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override;              \
  NS_IMETHOD GetName(nsAString& aName) override;               \
  NS_IMETHOD SetName(const nsAString& aName) override;         \
  NS_IMETHOD GetStandby(nsAString& aStandby) override;         \
  NS_IMETHOD SetStandby(const nsAString& aStandby) override;   \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;         \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;          \
  NS_IMETHOD GetType(nsAString& aType) override;               \
  NS_IMETHOD SetType(const nsAString& aType) override;         \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override;           \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override;     \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override;             \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override;              \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;             \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;       \
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) override;

// Implements every method of nsIDOMHTMLObjectElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLOBJECTELEMENT(_to)                               \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {                \
    return _to GetForm(aForm);                                                \
  }                                                                           \
  NS_IMETHOD GetCode(nsAString& aCode) override {                             \
    return _to GetCode(aCode);                                                \
  }                                                                           \
  NS_IMETHOD SetCode(const nsAString& aCode) override {                       \
    return _to SetCode(aCode);                                                \
  }                                                                           \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                           \
    return _to GetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {                     \
    return _to SetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD GetArchive(nsAString& aArchive) override {                       \
    return _to GetArchive(aArchive);                                          \
  }                                                                           \
  NS_IMETHOD SetArchive(const nsAString& aArchive) override {                 \
    return _to SetArchive(aArchive);                                          \
  }                                                                           \
  NS_IMETHOD GetBorder(nsAString& aBorder) override {                         \
    return _to GetBorder(aBorder);                                            \
  }                                                                           \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override {                   \
    return _to SetBorder(aBorder);                                            \
  }                                                                           \
  NS_IMETHOD GetCodeBase(nsAString& aCodeBase) override {                     \
    return _to GetCodeBase(aCodeBase);                                        \
  }                                                                           \
  NS_IMETHOD SetCodeBase(const nsAString& aCodeBase) override {               \
    return _to SetCodeBase(aCodeBase);                                        \
  }                                                                           \
  NS_IMETHOD GetCodeType(nsAString& aCodeType) override {                     \
    return _to GetCodeType(aCodeType);                                        \
  }                                                                           \
  NS_IMETHOD SetCodeType(const nsAString& aCodeType) override {               \
    return _to SetCodeType(aCodeType);                                        \
  }                                                                           \
  NS_IMETHOD GetData(nsAString& aData) override {                             \
    return _to GetData(aData);                                                \
  }                                                                           \
  NS_IMETHOD SetData(const nsAString& aData) override {                       \
    return _to SetData(aData);                                                \
  }                                                                           \
  NS_IMETHOD GetDeclare(PRBool* aDeclare) override {                          \
    return _to GetDeclare(aDeclare);                                          \
  }                                                                           \
  NS_IMETHOD SetDeclare(PRBool aDeclare) override {                           \
    return _to SetDeclare(aDeclare);                                          \
  }                                                                           \
  NS_IMETHOD GetHeight(nsAString& aHeight) override {                         \
    return _to GetHeight(aHeight);                                            \
  }                                                                           \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override {                   \
    return _to SetHeight(aHeight);                                            \
  }                                                                           \
  NS_IMETHOD GetHspace(PRInt32* aHspace) override {                           \
    return _to GetHspace(aHspace);                                            \
  }                                                                           \
  NS_IMETHOD SetHspace(PRInt32 aHspace) override {                            \
    return _to SetHspace(aHspace);                                            \
  }                                                                           \
  NS_IMETHOD GetName(nsAString& aName) override {                             \
    return _to GetName(aName);                                                \
  }                                                                           \
  NS_IMETHOD SetName(const nsAString& aName) override {                       \
    return _to SetName(aName);                                                \
  }                                                                           \
  NS_IMETHOD GetStandby(nsAString& aStandby) override {                       \
    return _to GetStandby(aStandby);                                          \
  }                                                                           \
  NS_IMETHOD SetStandby(const nsAString& aStandby) override {                 \
    return _to SetStandby(aStandby);                                          \
  }                                                                           \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {                       \
    return _to GetTabIndex(aTabIndex);                                        \
  }                                                                           \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {                        \
    return _to SetTabIndex(aTabIndex);                                        \
  }                                                                           \
  NS_IMETHOD GetType(nsAString& aType) override {                             \
    return _to GetType(aType);                                                \
  }                                                                           \
  NS_IMETHOD SetType(const nsAString& aType) override {                       \
    return _to SetType(aType);                                                \
  }                                                                           \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override {                         \
    return _to GetUseMap(aUseMap);                                            \
  }                                                                           \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override {                   \
    return _to SetUseMap(aUseMap);                                            \
  }                                                                           \
  NS_IMETHOD GetVspace(PRInt32* aVspace) override {                           \
    return _to GetVspace(aVspace);                                            \
  }                                                                           \
  NS_IMETHOD SetVspace(PRInt32 aVspace) override {                            \
    return _to SetVspace(aVspace);                                            \
  }                                                                           \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {                           \
    return _to GetWidth(aWidth);                                              \
  }                                                                           \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {                     \
    return _to SetWidth(aWidth);                                              \
  }                                                                           \
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) override { \
    return _to GetContentDocument(aContentDocument);                          \
  }

#endif
