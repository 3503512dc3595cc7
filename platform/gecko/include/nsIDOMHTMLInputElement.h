// An INPUT element of any type.
#ifndef __gen_nsIDOMHTMLInputElement_h__
#define __gen_nsIDOMHTMLInputElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLINPUTELEMENT_IID_STR "a6cf9093-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLINPUTELEMENT_IID                  \
  {                                                  \
    0xa6cf9093, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLInputElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLINPUTELEMENT_IID)

  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) = 0;
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) = 0;
  NS_IMETHOD GetDefaultChecked(PRBool* aDefaultChecked) = 0;
  NS_IMETHOD SetDefaultChecked(PRBool aDefaultChecked) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetAccept(nsAString& aAccept) = 0;
  NS_IMETHOD SetAccept(const nsAString& aAccept) = 0;
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetChecked(PRBool* aChecked) = 0;
  NS_IMETHOD SetChecked(PRBool aChecked) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) = 0;
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) = 0;
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) = 0;
  NS_IMETHOD GetSize(PRUint32* aSize) = 0;
  NS_IMETHOD SetSize(PRUint32 aSize) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD GetUseMap(nsAString& aUseMap) = 0;
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Select(void) = 0;
  NS_IMETHOD Click(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLInputElement, NS_IDOMHTMLINPUTELEMENT_IID)

// Declares every method of nsIDOMHTMLInputElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLINPUTELEMENT                                 \
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override;       \
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override; \
  NS_IMETHOD GetDefaultChecked(PRBool* aDefaultChecked) override;      \
  NS_IMETHOD SetDefaultChecked(PRBool aDefaultChecked) override;       \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;          \
  NS_IMETHOD GetAccept(nsAString& aAccept) override;                   \
  NS_IMETHOD SetAccept(const nsAString& aAccept) override;             \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override;             \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override;       \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;                     \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;               \
  NS_IMETHOD GetAlt(nsAString& aAlt) override;                         \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override;                   \
  NS_IMETHOD GetChecked(PRBool* aChecked) override;                    \
  NS_IMETHOD SetChecked(PRBool aChecked) override;                     \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override;                  \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override;                   \
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) override;               \
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) override;                \
  NS_IMETHOD GetName(nsAString& aName) override;                       \
  NS_IMETHOD SetName(const nsAString& aName) override;                 \
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) override;                  \
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) override;                   \
  NS_IMETHOD GetSize(PRUint32* aSize) override;                        \
  NS_IMETHOD SetSize(PRUint32 aSize) override;                         \
  NS_IMETHOD GetSrc(nsAString& aSrc) override;                         \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override;                   \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;                 \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;                  \
  NS_IMETHOD GetType(nsAString& aType) override;                       \
  NS_IMETHOD SetType(const nsAString& aType) override;                 \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override;                   \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override;             \
  NS_IMETHOD GetValue(nsAString& aValue) override;                     \
  NS_IMETHOD SetValue(const nsAString& aValue) override;               \
  NS_IMETHOD Blur(void) override;                                      \
  NS_IMETHOD Focus(void) override;                                     \
  NS_IMETHOD Select(void) override;                                    \
  NS_IMETHOD Click(void) override;

// Implements every method of nsIDOMHTMLInputElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLINPUTELEMENT(_to)                          \
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override {       \
    return _to GetDefaultValue(aDefaultValue);                          \
  }                                                                     \
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override { \
    return _to SetDefaultValue(aDefaultValue);                          \
  }                                                                     \
  NS_IMETHOD GetDefaultChecked(PRBool* aDefaultChecked) override {      \
    return _to GetDefaultChecked(aDefaultChecked);                      \
  }                                                                     \
  NS_IMETHOD SetDefaultChecked(PRBool aDefaultChecked) override {       \
    return _to SetDefaultChecked(aDefaultChecked);                      \
  }                                                                     \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {          \
    return _to GetForm(aForm);                                          \
  }                                                                     \
  NS_IMETHOD GetAccept(nsAString& aAccept) override {                   \
    return _to GetAccept(aAccept);                                      \
  }                                                                     \
  NS_IMETHOD SetAccept(const nsAString& aAccept) override {             \
    return _to SetAccept(aAccept);                                      \
  }                                                                     \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {             \
    return _to GetAccessKey(aAccessKey);                                \
  }                                                                     \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override {       \
    return _to SetAccessKey(aAccessKey);                                \
  }                                                                     \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                     \
    return _to GetAlign(aAlign);                                        \
  }                                                                     \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {               \
    return _to SetAlign(aAlign);                                        \
  }                                                                     \
  NS_IMETHOD GetAlt(nsAString& aAlt) override {                         \
    return _to GetAlt(aAlt);                                            \
  }                                                                     \
  NS_IMETHOD SetAlt(const nsAString& aAlt) override {                   \
    return _to SetAlt(aAlt);                                            \
  }                                                                     \
  NS_IMETHOD GetChecked(PRBool* aChecked) override {                    \
    return _to GetChecked(aChecked);                                    \
  }                                                                     \
  NS_IMETHOD SetChecked(PRBool aChecked) override {                     \
    return _to SetChecked(aChecked);                                    \
  }                                                                     \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {                  \
    return _to GetDisabled(aDisabled);                                  \
  }                                                                     \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override {                   \
    return _to SetDisabled(aDisabled);                                  \
  }                                                                     \
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) override {               \
    return _to GetMaxLength(aMaxLength);                                \
  }                                                                     \
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) override {                \
    return _to SetMaxLength(aMaxLength);                                \
  }                                                                     \
  NS_IMETHOD GetName(nsAString& aName) override {                       \
    return _to GetName(aName);                                          \
  }                                                                     \
  NS_IMETHOD SetName(const nsAString& aName) override {                 \
    return _to SetName(aName);                                          \
  }                                                                     \
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) override {                  \
    return _to GetReadOnly(aReadOnly);                                  \
  }                                                                     \
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) override {                   \
    return _to SetReadOnly(aReadOnly);                                  \
  }                                                                     \
  NS_IMETHOD GetSize(PRUint32* aSize) override {                        \
    return _to GetSize(aSize);                                          \
  }                                                                     \
  NS_IMETHOD SetSize(PRUint32 aSize) override {                         \
    return _to SetSize(aSize);                                          \
  }                                                                     \
  NS_IMETHOD GetSrc(nsAString& aSrc) override {                         \
    return _to GetSrc(aSrc);                                            \
  }                                                                     \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override {                   \
    return _to SetSrc(aSrc);                                            \
  }                                                                     \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {                 \
    return _to GetTabIndex(aTabIndex);                                  \
  }                                                                     \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {                  \
    return _to SetTabIndex(aTabIndex);                                  \
  }                                                                     \
  NS_IMETHOD GetType(nsAString& aType) override {                       \
    return _to GetType(aType);                                          \
  }                                                                     \
  NS_IMETHOD SetType(const nsAString& aType) override {                 \
    return _to SetType(aType);                                          \
  }                                                                     \
  NS_IMETHOD GetUseMap(nsAString& aUseMap) override {                   \
    return _to GetUseMap(aUseMap);                                      \
  }                                                                     \
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override {             \
    return _to SetUseMap(aUseMap);                                      \
  }                                                                     \
  NS_IMETHOD GetValue(nsAString& aValue) override {                     \
    return _to GetValue(aValue);                                        \
  }                                                                     \
  NS_IMETHOD SetValue(const nsAString& aValue) override {               \
    return _to SetValue(aValue);                                        \
  }                                                                     \
  NS_IMETHOD Blur(void) override {                                      \
    return _to Blur();                                                  \
  }                                                                     \
  NS_IMETHOD Focus(void) override {                                     \
    return _to Focus();                                                 \
  }                                                                     \
  NS_IMETHOD Select(void) override {                                    \
    return _to Select();                                                \
  }                                                                     \
  NS_IMETHOD Click(void) override {                                     \
    return _to Click();                                                 \
  }

#endif
