// A THEAD, TFOOT or TBODY element and its rows.
#ifndef __gen_nsIDOMHTMLTableSectionElement_h__
#define __gen_nsIDOMHTMLTableSectionElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;

#define NS_IDOMHTMLTABLESECTIONELEMENT_IID_STR "a6cf90b5-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTABLESECTIONELEMENT_IID           \
  {                                                  \
    0xa6cf90b5, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTableSectionElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLESECTIONELEMENT_IID)

  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetCh(nsAString& aCh) = 0;
  NS_IMETHOD SetCh(const nsAString& aCh) = 0;
  NS_IMETHOD GetChOff(nsAString& aChOff) = 0;
  NS_IMETHOD SetChOff(const nsAString& aChOff) = 0;
  NS_IMETHOD GetVAlign(nsAString& aVAlign) = 0;
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) = 0;
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) = 0;
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteRow(PRInt32 index) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTableSectionElement, NS_IDOMHTMLTABLESECTIONELEMENT_IID)

// Declares every method of nsIDOMHTMLTableSectionElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTABLESECTIONELEMENT                                \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;                     \
  NS_IMETHOD GetCh(nsAString& aCh) override;                                 \
  NS_IMETHOD SetCh(const nsAString& aCh) override;                           \
  NS_IMETHOD GetChOff(nsAString& aChOff) override;                           \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override;                     \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override;                         \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override;                   \
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override;                 \
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override; \
  NS_IMETHOD DeleteRow(PRInt32 index) override;

// Implements every method of nsIDOMHTMLTableSectionElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTABLESECTIONELEMENT(_to)                         \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                           \
    return _to GetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {                     \
    return _to SetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD GetCh(nsAString& aCh) override {                                 \
    return _to GetCh(aCh);                                                    \
  }                                                                           \
  NS_IMETHOD SetCh(const nsAString& aCh) override {                           \
    return _to SetCh(aCh);                                                    \
  }                                                                           \
  NS_IMETHOD GetChOff(nsAString& aChOff) override {                           \
    return _to GetChOff(aChOff);                                              \
  }                                                                           \
  NS_IMETHOD SetChOff(const nsAString& aChOff) override {                     \
    return _to SetChOff(aChOff);                                              \
  }                                                                           \
  NS_IMETHOD GetVAlign(nsAString& aVAlign) override {                         \
    return _to GetVAlign(aVAlign);                                            \
  }                                                                           \
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) override {                   \
    return _to SetVAlign(aVAlign);                                            \
  }                                                                           \
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override {                 \
    return _to GetRows(aRows);                                                \
  }                                                                           \
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override { \
    return _to InsertRow(index, _retval);                                     \
  }                                                                           \
  NS_IMETHOD DeleteRow(PRInt32 index) override {                              \
    return _to DeleteRow(index);                                              \
  }

#endif
