// A TEXTAREA element. value is the current text, defaultValue the text of the markup.
#ifndef __gen_nsIDOMHTMLTextAreaElement_h__
#define __gen_nsIDOMHTMLTextAreaElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLTEXTAREAELEMENT_IID_STR "a6cf9094-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLTEXTAREAELEMENT_IID               \
  {                                                  \
    0xa6cf9094, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLTextAreaElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTEXTAREAELEMENT_IID)

  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) = 0;
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetCols(PRInt32* aCols) = 0;
  NS_IMETHOD SetCols(PRInt32 aCols) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) = 0;
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) = 0;
  NS_IMETHOD GetRows(PRInt32* aRows) = 0;
  NS_IMETHOD SetRows(PRInt32 aRows) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Select(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLTextAreaElement, NS_IDOMHTMLTEXTAREAELEMENT_IID)

// Declares every method of nsIDOMHTMLTextAreaElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLTEXTAREAELEMENT                              \
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override;       \
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override; \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;          \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override;             \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override;       \
  NS_IMETHOD GetCols(PRInt32* aCols) override;                         \
  NS_IMETHOD SetCols(PRInt32 aCols) override;                          \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override;                  \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override;                   \
  NS_IMETHOD GetName(nsAString& aName) override;                       \
  NS_IMETHOD SetName(const nsAString& aName) override;                 \
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) override;                  \
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) override;                   \
  NS_IMETHOD GetRows(PRInt32* aRows) override;                         \
  NS_IMETHOD SetRows(PRInt32 aRows) override;                          \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;                 \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;                  \
  NS_IMETHOD GetType(nsAString& aType) override;                       \
  NS_IMETHOD GetValue(nsAString& aValue) override;                     \
  NS_IMETHOD SetValue(const nsAString& aValue) override;               \
  NS_IMETHOD Blur(void) override;                                      \
  NS_IMETHOD Focus(void) override;                                     \
  NS_IMETHOD Select(void) override;

// Implements every method of nsIDOMHTMLTextAreaElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLTEXTAREAELEMENT(_to)                       \
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override {       \
    return _to GetDefaultValue(aDefaultValue);                          \
  }                                                                     \
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override { \
    return _to SetDefaultValue(aDefaultValue);                          \
  }                                                                     \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {          \
    return _to GetForm(aForm);                                          \
  }                                                                     \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {             \
    return _to GetAccessKey(aAccessKey);                                \
  }                                                                     \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override {       \
    return _to SetAccessKey(aAccessKey);                                \
  }                                                                     \
  NS_IMETHOD GetCols(PRInt32* aCols) override {                         \
    return _to GetCols(aCols);                                          \
  }                                                                     \
  NS_IMETHOD SetCols(PRInt32 aCols) override {                          \
    return _to SetCols(aCols);                                          \
  }                                                                     \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {                  \
    return _to GetDisabled(aDisabled);                                  \
  }                                                                     \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override {                   \
    return _to SetDisabled(aDisabled);                                  \
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
  NS_IMETHOD GetRows(PRInt32* aRows) override {                         \
    return _to GetRows(aRows);                                          \
  }                                                                     \
  NS_IMETHOD SetRows(PRInt32 aRows) override {                          \
    return _to SetRows(aRows);                                          \
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
  }

#endif
