// A TD or TH element.
#ifndef __gen_nsIDOMHTMLTableCellElement_h__
#define __gen_nsIDOMHTMLTableCellElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLTABLECELLELEMENT_IID_STR "a6cf90b7-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTABLECELLELEMENT_IID              \
  {                                                  \
    0xa6cf90b7, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTableCellElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLECELLELEMENT_IID)

  // The cell's position in its row.
  NS_IMETHOD GetCellIndex(PRInt32* aCellIndex) = 0;
  NS_IMETHOD GetAbbr(nsAString& aAbbr) = 0;
  NS_IMETHOD SetAbbr(const nsAString& aAbbr) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAxis(nsAString& aAxis) = 0;
  NS_IMETHOD SetAxis(const nsAString& aAxis) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetCh(nsAString& aCh) = 0;
  NS_IMETHOD SetCh(const nsAString& aCh) = 0;
  NS_IMETHOD GetChOff(nsAString& aChOff) = 0;
  NS_IMETHOD SetChOff(const nsAString& aChOff) = 0;
  NS_IMETHOD GetColSpan(PRInt32* aColSpan) = 0;
  NS_IMETHOD SetColSpan(PRInt32 aColSpan) = 0;
  NS_IMETHOD GetHeaders(nsAString& aHeaders) = 0;
  NS_IMETHOD SetHeaders(const nsAString& aHeaders) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetNoWrap(PRBool* aNoWrap) = 0;
  NS_IMETHOD SetNoWrap(PRBool aNoWrap) = 0;
  NS_IMETHOD GetRowSpan(PRInt32* aRowSpan) = 0;
  NS_IMETHOD SetRowSpan(PRInt32 aRowSpan) = 0;
  NS_IMETHOD GetScope(nsAString& aScope) = 0;
  NS_IMETHOD SetScope(const nsAString& aScope) = 0;
  NS_IMETHOD GetVAlign(nsAString& aVAlign) = 0;
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTableCellElement, NS_IDOMHTMLTABLECELLELEMENT_IID)

// Declares every method of nsIDOMHTMLTableCellElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTABLECELLELEMENT                   \
  NS_IMETHOD GetCellIndex(PRInt32* aCellIndex) override;     \
  NS_IMETHOD GetAbbr(nsAString& aAbbr) override;             \
  NS_IMETHOD SetAbbr(const nsAString& aAbbr) override;       \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;     \
  NS_IMETHOD GetAxis(nsAString& aAxis) override;             \
  NS_IMETHOD SetAxis(const nsAString& aAxis) override;       \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override;       \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override; \
  NS_IMETHOD GetCh(nsAString& aCh) override;                 \
  NS_IMETHOD SetCh(const nsAString& aCh) override;           \
  NS_IMETHOD GetChOff(nsAString& aChOff) override;           \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override;     \
  NS_IMETHOD GetColSpan(PRInt32* aColSpan) override;         \
  NS_IMETHOD SetColSpan(PRInt32 aColSpan) override;          \
  NS_IMETHOD GetHeaders(nsAString& aHeaders) override;       \
  NS_IMETHOD SetHeaders(const nsAString& aHeaders) override; \
  NS_IMETHOD GetHeight(nsAString& aHeight) override;         \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override;   \
  NS_IMETHOD GetNoWrap(PRBool* aNoWrap) override;            \
  NS_IMETHOD SetNoWrap(PRBool aNoWrap) override;             \
  NS_IMETHOD GetRowSpan(PRInt32* aRowSpan) override;         \
  NS_IMETHOD SetRowSpan(PRInt32 aRowSpan) override;          \
  NS_IMETHOD GetScope(nsAString& aScope) override;           \
  NS_IMETHOD SetScope(const nsAString& aScope) override;     \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override;         \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override;   \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;           \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;

// Implements every method of nsIDOMHTMLTableCellElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTABLECELLELEMENT(_to)            \
  NS_IMETHOD GetCellIndex(PRInt32* aCellIndex) override {     \
    return _to GetCellIndex(aCellIndex);                      \
  }                                                           \
  NS_IMETHOD GetAbbr(nsAString& aAbbr) override {             \
    return _to GetAbbr(aAbbr);                                \
  }                                                           \
  NS_IMETHOD SetAbbr(const nsAString& aAbbr) override {       \
    return _to SetAbbr(aAbbr);                                \
  }                                                           \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {           \
    return _to GetAlign(aAlign);                              \
  }                                                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {     \
    return _to SetAlign(aAlign);                              \
  }                                                           \
  NS_IMETHOD GetAxis(nsAString& aAxis) override {             \
    return _to GetAxis(aAxis);                                \
  }                                                           \
  NS_IMETHOD SetAxis(const nsAString& aAxis) override {       \
    return _to SetAxis(aAxis);                                \
  }                                                           \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override {       \
    return _to GetBgColor(aBgColor);                          \
  }                                                           \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override { \
    return _to SetBgColor(aBgColor);                          \
  }                                                           \
  NS_IMETHOD GetCh(nsAString& aCh) override {                 \
    return _to GetCh(aCh);                                    \
  }                                                           \
  NS_IMETHOD SetCh(const nsAString& aCh) override {           \
    return _to SetCh(aCh);                                    \
  }                                                           \
  NS_IMETHOD GetChOff(nsAString& aChOff) override {           \
    return _to GetChOff(aChOff);                              \
  }                                                           \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override {     \
    return _to SetChOff(aChOff);                              \
  }                                                           \
  NS_IMETHOD GetColSpan(PRInt32* aColSpan) override {         \
    return _to GetColSpan(aColSpan);                          \
  }                                                           \
  NS_IMETHOD SetColSpan(PRInt32 aColSpan) override {          \
    return _to SetColSpan(aColSpan);                          \
  }                                                           \
  NS_IMETHOD GetHeaders(nsAString& aHeaders) override {       \
    return _to GetHeaders(aHeaders);                          \
  }                                                           \
  NS_IMETHOD SetHeaders(const nsAString& aHeaders) override { \
    return _to SetHeaders(aHeaders);                          \
  }                                                           \
  NS_IMETHOD GetHeight(nsAString& aHeight) override {         \
    return _to GetHeight(aHeight);                            \
  }                                                           \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override {   \
    return _to SetHeight(aHeight);                            \
  }                                                           \
  NS_IMETHOD GetNoWrap(PRBool* aNoWrap) override {            \
    return _to GetNoWrap(aNoWrap);                            \
  }                                                           \
  NS_IMETHOD SetNoWrap(PRBool aNoWrap) override {             \
    return _to SetNoWrap(aNoWrap);                            \
  }                                                           \
  NS_IMETHOD GetRowSpan(PRInt32* aRowSpan) override {         \
    return _to GetRowSpan(aRowSpan);                          \
  }                                                           \
  NS_IMETHOD SetRowSpan(PRInt32 aRowSpan) override {          \
    return _to SetRowSpan(aRowSpan);                          \
  }                                                           \
  NS_IMETHOD GetScope(nsAString& aScope) override {           \
    return _to GetScope(aScope);                              \
  }                                                           \
  NS_IMETHOD SetScope(const nsAString& aScope) override {     \
    return _to SetScope(aScope);                              \
  }                                                           \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override {         \
    return _to GetVAlign(aVAlign);                            \
  }                                                           \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override {   \
    return _to SetVAlign(aVAlign);                            \
  }                                                           \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {           \
    return _to GetWidth(aWidth);                              \
  }                                                           \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {     \
    return _to SetWidth(aWidth);                              \
  }

#endif
