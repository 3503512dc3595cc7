// A TABLE element: its caption, sections and rows, and the operations that add and remove
// them. width and border are the attributes' text.
#ifndef __gen_nsIDOMHTMLTableElement_h__
#define __gen_nsIDOMHTMLTableElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;
class nsIDOMHTMLTableCaptionElement;
class nsIDOMHTMLTableSectionElement;

#define NS_IDOMHTMLTABLEELEMENT_IID_STR "a6cf90b2-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTABLEELEMENT_IID                  \
  {                                                  \
    0xa6cf90b2, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTableElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLEELEMENT_IID)

  NS_IMETHOD GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) = 0;
  NS_IMETHOD SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) = 0;
  NS_IMETHOD GetTHead(nsIDOMHTMLTableSectionElement** aTHead) = 0;
  NS_IMETHOD SetTHead(nsIDOMHTMLTableSectionElement* aTHead) = 0;
  NS_IMETHOD GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) = 0;
  NS_IMETHOD SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) = 0;
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) = 0;
  NS_IMETHOD GetTBodies(nsIDOMHTMLCollection** aTBodies) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetBorder(nsAString& aBorder) = 0;
  NS_IMETHOD SetBorder(const nsAString& aBorder) = 0;
  NS_IMETHOD GetCellPadding(nsAString& aCellPadding) = 0;
  NS_IMETHOD SetCellPadding(const nsAString& aCellPadding) = 0;
  NS_IMETHOD GetCellSpacing(nsAString& aCellSpacing) = 0;
  NS_IMETHOD SetCellSpacing(const nsAString& aCellSpacing) = 0;
  NS_IMETHOD GetFrame(nsAString& aFrame) = 0;
  NS_IMETHOD SetFrame(const nsAString& aFrame) = 0;
  NS_IMETHOD GetRules(nsAString& aRules) = 0;
  NS_IMETHOD SetRules(const nsAString& aRules) = 0;
  NS_IMETHOD GetSummary(nsAString& aSummary) = 0;
  NS_IMETHOD SetSummary(const nsAString& aSummary) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
  NS_IMETHOD CreateTHead(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteTHead(void) = 0;
  NS_IMETHOD CreateTFoot(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteTFoot(void) = 0;
  NS_IMETHOD CreateCaption(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteCaption(void) = 0;
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteRow(PRInt32 index) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTableElement, NS_IDOMHTMLTABLEELEMENT_IID)

// Declares every method of nsIDOMHTMLTableElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTABLEELEMENT                                       \
  NS_IMETHOD GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) override;  \
  NS_IMETHOD SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) override;   \
  NS_IMETHOD GetTHead(nsIDOMHTMLTableSectionElement** aTHead) override;      \
  NS_IMETHOD SetTHead(nsIDOMHTMLTableSectionElement* aTHead) override;       \
  NS_IMETHOD GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) override;      \
  NS_IMETHOD SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) override;       \
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override;                 \
  NS_IMETHOD GetTBodies(nsIDOMHTMLCollection** aTBodies) override;           \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;                     \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override;                       \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override;                 \
  NS_IMETHOD GetBorder(nsAString& aBorder) override;                         \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override;                   \
  NS_IMETHOD GetCellPadding(nsAString& aCellPadding) override;               \
  NS_IMETHOD SetCellPadding(const nsAString& aCellPadding) override;         \
  NS_IMETHOD GetCellSpacing(nsAString& aCellSpacing) override;               \
  NS_IMETHOD SetCellSpacing(const nsAString& aCellSpacing) override;         \
  NS_IMETHOD GetFrame(nsAString& aFrame) override;                           \
  NS_IMETHOD SetFrame(const nsAString& aFrame) override;                     \
  NS_IMETHOD GetRules(nsAString& aRules) override;                           \
  NS_IMETHOD SetRules(const nsAString& aRules) override;                     \
  NS_IMETHOD GetSummary(nsAString& aSummary) override;                       \
  NS_IMETHOD SetSummary(const nsAString& aSummary) override;                 \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;                           \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;                     \
  NS_IMETHOD CreateTHead(nsIDOMHTMLElement** _retval) override;              \
  NS_IMETHOD DeleteTHead(void) override;                                     \
  NS_IMETHOD CreateTFoot(nsIDOMHTMLElement** _retval) override;              \
  NS_IMETHOD DeleteTFoot(void) override;                                     \
  NS_IMETHOD CreateCaption(nsIDOMHTMLElement** _retval) override;            \
  NS_IMETHOD DeleteCaption(void) override;                                   \
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override; \
  NS_IMETHOD DeleteRow(PRInt32 index) override;

// Implements every method of nsIDOMHTMLTableElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTABLEELEMENT(_to)                                \
  NS_IMETHOD GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) override {  \
    return _to GetCaption(aCaption);                                          \
  }                                                                           \
  NS_IMETHOD SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) override {   \
    return _to SetCaption(aCaption);                                          \
  }                                                                           \
  NS_IMETHOD GetTHead(nsIDOMHTMLTableSectionElement** aTHead) override {      \
    return _to GetTHead(aTHead);                                              \
  }                                                                           \
  NS_IMETHOD SetTHead(nsIDOMHTMLTableSectionElement* aTHead) override {       \
    return _to SetTHead(aTHead);                                              \
  }                                                                           \
  NS_IMETHOD GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) override {      \
    return _to GetTFoot(aTFoot);                                              \
  }                                                                           \
  NS_IMETHOD SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) override {       \
    return _to SetTFoot(aTFoot);                                              \
  }                                                                           \
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override {                 \
    return _to GetRows(aRows);                                                \
  }                                                                           \
  NS_IMETHOD GetTBodies(nsIDOMHTMLCollection** aTBodies) override {           \
    return _to GetTBodies(aTBodies);                                          \
  }                                                                           \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                           \
    return _to GetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {                     \
    return _to SetAlign(aAlign);                                              \
  }                                                                           \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override {                       \
    return _to GetBgColor(aBgColor);                                          \
  }                                                                           \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override {                 \
    return _to SetBgColor(aBgColor);                                          \
  }                                                                           \
  NS_IMETHOD GetBorder(nsAString& aBorder) override {                         \
    return _to GetBorder(aBorder);                                            \
  }                                                                           \
  NS_IMETHOD SetBorder(const nsAString& aBorder) override {                   \
    return _to SetBorder(aBorder);                                            \
  }                                                                           \
  NS_IMETHOD GetCellPadding(nsAString& aCellPadding) override {               \
    return _to GetCellPadding(aCellPadding);                                  \
  }                                                                           \
  NS_IMETHOD SetCellPadding(const nsAString& aCellPadding) override {         \
    return _to SetCellPadding(aCellPadding);                                  \
  }                                                                           \
  NS_IMETHOD GetCellSpacing(nsAString& aCellSpacing) override {               \
    return _to GetCellSpacing(aCellSpacing);                                  \
  }                                                                           \
  NS_IMETHOD SetCellSpacing(const nsAString& aCellSpacing) override {         \
    return _to SetCellSpacing(aCellSpacing);                                  \
  }                                                                           \
  NS_IMETHOD GetFrame(nsAString& aFrame) override {                           \
    return _to GetFrame(aFrame);                                              \
  }                                                                           \
  NS_IMETHOD SetFrame(const nsAString& aFrame) override {                     \
    return _to SetFrame(aFrame);                                              \
  }                                                                           \
  NS_IMETHOD GetRules(nsAString& aRules) override {                           \
    return _to GetRules(aRules);                                              \
  }                                                                           \
  NS_IMETHOD SetRules(const nsAString& aRules) override {                     \
    return _to SetRules(aRules);                                              \
  }                                                                           \
  NS_IMETHOD GetSummary(nsAString& aSummary) override {                       \
    return _to GetSummary(aSummary);                                          \
  }                                                                           \
  NS_IMETHOD SetSummary(const nsAString& aSummary) override {                 \
    return _to SetSummary(aSummary);                                          \
  }                                                                           \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {                           \
    return _to GetWidth(aWidth);                                              \
  }                                                                           \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {                     \
    return _to SetWidth(aWidth);                                              \
  }                                                                           \
  NS_IMETHOD CreateTHead(nsIDOMHTMLElement** _retval) override {              \
    return _to CreateTHead(_retval);                                          \
  }                                                                           \
  NS_IMETHOD DeleteTHead(void) override {                                     \
    return _to DeleteTHead();                                                 \
  }                                                                           \
  NS_IMETHOD CreateTFoot(nsIDOMHTMLElement** _retval) override {              \
    return _to CreateTFoot(_retval);                                          \
  }                                                                           \
  NS_IMETHOD DeleteTFoot(void) override {                                     \
    return _to DeleteTFoot();                                                 \
  }                                                                           \
  NS_IMETHOD CreateCaption(nsIDOMHTMLElement** _retval) override {            \
    return _to CreateCaption(_retval);                                        \
  }                                                                           \
  NS_IMETHOD DeleteCaption(void) override {                                   \
    return _to DeleteCaption();                                               \
  }                                                                           \
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override { \
    return _to InsertRow(index, _retval);                                     \
  }                                                                           \
  NS_IMETHOD DeleteRow(PRInt32 index) override {                              \
    return _to DeleteRow(index);                                              \
  }

#endif
