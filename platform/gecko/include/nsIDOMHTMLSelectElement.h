// A SELECT element: a list box or a drop-down list of options.
#ifndef __gen_nsIDOMHTMLSelectElement_h__
#define __gen_nsIDOMHTMLSelectElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLFormElement;
class nsIDOMHTMLOptionsCollection;

#define NS_IDOMHTMLSELECTELEMENT_IID_STR "a6cf9090-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLSELECTELEMENT_IID                 \
  {                                                  \
    0xa6cf9090, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLSelectElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLSELECTELEMENT_IID)

  // "select-one" or "select-multiple".
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetSelectedIndex(PRInt32* aSelectedIndex) = 0;
  NS_IMETHOD SetSelectedIndex(PRInt32 aSelectedIndex) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SetLength(PRUint32 aLength) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetOptions(nsIDOMHTMLOptionsCollection** aOptions) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetMultiple(PRBool* aMultiple) = 0;
  NS_IMETHOD SetMultiple(PRBool aMultiple) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetSize(PRInt32* aSize) = 0;
  NS_IMETHOD SetSize(PRInt32 aSize) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) = 0;
  NS_IMETHOD Remove(PRInt32 index) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLSelectElement, NS_IDOMHTMLSELECTELEMENT_IID)

// Declares every method of nsIDOMHTMLSelectElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLSELECTELEMENT                                           \
  NS_IMETHOD GetType(nsAString& aType) override;                                  \
  NS_IMETHOD GetSelectedIndex(PRInt32* aSelectedIndex) override;                  \
  NS_IMETHOD SetSelectedIndex(PRInt32 aSelectedIndex) override;                   \
  NS_IMETHOD GetValue(nsAString& aValue) override;                                \
  NS_IMETHOD SetValue(const nsAString& aValue) override;                          \
  NS_IMETHOD GetLength(PRUint32* aLength) override;                               \
  NS_IMETHOD SetLength(PRUint32 aLength) override;                                \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;                     \
  NS_IMETHOD GetOptions(nsIDOMHTMLOptionsCollection** aOptions) override;         \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override;                             \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override;                              \
  NS_IMETHOD GetMultiple(PRBool* aMultiple) override;                             \
  NS_IMETHOD SetMultiple(PRBool aMultiple) override;                              \
  NS_IMETHOD GetName(nsAString& aName) override;                                  \
  NS_IMETHOD SetName(const nsAString& aName) override;                            \
  NS_IMETHOD GetSize(PRInt32* aSize) override;                                    \
  NS_IMETHOD SetSize(PRInt32 aSize) override;                                     \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;                            \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;                             \
  NS_IMETHOD Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) override; \
  NS_IMETHOD Remove(PRInt32 index) override;                                      \
  NS_IMETHOD Blur(void) override;                                                 \
  NS_IMETHOD Focus(void) override;

// Implements every method of nsIDOMHTMLSelectElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLSELECTELEMENT(_to)                                    \
  NS_IMETHOD GetType(nsAString& aType) override {                                  \
    return _to GetType(aType);                                                     \
  }                                                                                \
  NS_IMETHOD GetSelectedIndex(PRInt32* aSelectedIndex) override {                  \
    return _to GetSelectedIndex(aSelectedIndex);                                   \
  }                                                                                \
  NS_IMETHOD SetSelectedIndex(PRInt32 aSelectedIndex) override {                   \
    return _to SetSelectedIndex(aSelectedIndex);                                   \
  }                                                                                \
  NS_IMETHOD GetValue(nsAString& aValue) override {                                \
    return _to GetValue(aValue);                                                   \
  }                                                                                \
  NS_IMETHOD SetValue(const nsAString& aValue) override {                          \
    return _to SetValue(aValue);                                                   \
  }                                                                                \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                               \
    return _to GetLength(aLength);                                                 \
  }                                                                                \
  NS_IMETHOD SetLength(PRUint32 aLength) override {                                \
    return _to SetLength(aLength);                                                 \
  }                                                                                \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {                     \
    return _to GetForm(aForm);                                                     \
  }                                                                                \
  NS_IMETHOD GetOptions(nsIDOMHTMLOptionsCollection** aOptions) override {         \
    return _to GetOptions(aOptions);                                               \
  }                                                                                \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {                             \
    return _to GetDisabled(aDisabled);                                             \
  }                                                                                \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override {                              \
    return _to SetDisabled(aDisabled);                                             \
  }                                                                                \
  NS_IMETHOD GetMultiple(PRBool* aMultiple) override {                             \
    return _to GetMultiple(aMultiple);                                             \
  }                                                                                \
  NS_IMETHOD SetMultiple(PRBool aMultiple) override {                              \
    return _to SetMultiple(aMultiple);                                             \
  }                                                                                \
  NS_IMETHOD GetName(nsAString& aName) override {                                  \
    return _to GetName(aName);                                                     \
  }                                                                                \
  NS_IMETHOD SetName(const nsAString& aName) override {                            \
    return _to SetName(aName);                                                     \
  }                                                                                \
  NS_IMETHOD GetSize(PRInt32* aSize) override {                                    \
    return _to GetSize(aSize);                                                     \
  }                                                                                \
  NS_IMETHOD SetSize(PRInt32 aSize) override {                                     \
    return _to SetSize(aSize);                                                     \
  }                                                                                \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {                            \
    return _to GetTabIndex(aTabIndex);                                             \
  }                                                                                \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {                             \
    return _to SetTabIndex(aTabIndex);                                             \
  }                                                                                \
  NS_IMETHOD Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) override { \
    return _to Add(element, before);                                               \
  }                                                                                \
  NS_IMETHOD Remove(PRInt32 index) override {                                      \
    return _to Remove(index);                                                      \
  }                                                                                \
  NS_IMETHOD Blur(void) override {                                                 \
    return _to Blur();                                                             \
  }                                                                                \
  NS_IMETHOD Focus(void) override {                                                \
    return _to Focus();                                                            \
  }

#endif
