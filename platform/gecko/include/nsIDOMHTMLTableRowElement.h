// A TR element: its position in the table and in its section, and its cells.
#ifndef __gen_nsIDOMHTMLTableRowElement_h__
#define __gen_nsIDOMHTMLTableRowElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;

#define NS_IDOMHTMLTABLEROWELEMENT_IID_STR "a6cf90b6-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTABLEROWELEMENT_IID               \
  {                                                  \
    0xa6cf90b6, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTableRowElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLEROWELEMENT_IID)

  NS_IMETHOD GetRowIndex(PRInt32* aRowIndex) = 0;
  NS_IMETHOD GetSectionRowIndex(PRInt32* aSectionRowIndex) = 0;
  NS_IMETHOD GetCells(nsIDOMHTMLCollection** aCells) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetCh(nsAString& aCh) = 0;
  NS_IMETHOD SetCh(const nsAString& aCh) = 0;
  NS_IMETHOD GetChOff(nsAString& aChOff) = 0;
  NS_IMETHOD SetChOff(const nsAString& aChOff) = 0;
  NS_IMETHOD GetVAlign(nsAString& aVAlign) = 0;
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) = 0;
  NS_IMETHOD InsertCell(PRInt32 index, nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteCell(PRInt32 index) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTableRowElement, NS_IDOMHTMLTABLEROWELEMENT_IID)

// Declares every method of nsIDOMHTMLTableRowElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTABLEROWELEMENT                                     \
  NS_IMETHOD GetRowIndex(PRInt32* aRowIndex) override;                        \
  NS_IMETHOD GetSectionRowIndex(PRInt32* aSectionRowIndex) override;          \
  NS_IMETHOD GetCells(nsIDOMHTMLCollection** aCells) override;                \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;                            \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;                      \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override;                        \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override;                  \
  NS_IMETHOD GetCh(nsAString& aCh) override;                                  \
  NS_IMETHOD SetCh(const nsAString& aCh) override;                            \
  NS_IMETHOD GetChOff(nsAString& aChOff) override;                            \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override;                      \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override;                          \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override;                    \
  NS_IMETHOD InsertCell(PRInt32 index, nsIDOMHTMLElement** _retval) override; \
  NS_IMETHOD DeleteCell(PRInt32 index) override;

// Implements every method of nsIDOMHTMLTableRowElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTABLEROWELEMENT(_to)                              \
  NS_IMETHOD GetRowIndex(PRInt32* aRowIndex) override {                        \
    return _to GetRowIndex(aRowIndex);                                         \
  }                                                                            \
  NS_IMETHOD GetSectionRowIndex(PRInt32* aSectionRowIndex) override {          \
    return _to GetSectionRowIndex(aSectionRowIndex);                           \
  }                                                                            \
  NS_IMETHOD GetCells(nsIDOMHTMLCollection** aCells) override {                \
    return _to GetCells(aCells);                                               \
  }                                                                            \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                            \
    return _to GetAlign(aAlign);                                               \
  }                                                                            \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {                      \
    return _to SetAlign(aAlign);                                               \
  }                                                                            \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override {                        \
    return _to GetBgColor(aBgColor);                                           \
  }                                                                            \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override {                  \
    return _to SetBgColor(aBgColor);                                           \
  }                                                                            \
  NS_IMETHOD GetCh(nsAString& aCh) override {                                  \
    return _to GetCh(aCh);                                                     \
  }                                                                            \
  NS_IMETHOD SetCh(const nsAString& aCh) override {                            \
    return _to SetCh(aCh);                                                     \
  }                                                                            \
  NS_IMETHOD GetChOff(nsAString& aChOff) override {                            \
    return _to GetChOff(aChOff);                                               \
  }                                                                            \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override {                      \
    return _to SetChOff(aChOff);                                               \
  }                                                                            \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override {                          \
    return _to GetVAlign(aVAlign);                                             \
  }                                                                            \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override {                    \
    return _to SetVAlign(aVAlign);                                             \
  }                                                                            \
  NS_IMETHOD InsertCell(PRInt32 index, nsIDOMHTMLElement** _retval) override { \
    return _to InsertCell(index, _retval);                                     \
  }                                                                            \
  NS_IMETHOD DeleteCell(PRInt32 index) override {                              \
    return _to DeleteCell(index);                                              \
  }

#endif
