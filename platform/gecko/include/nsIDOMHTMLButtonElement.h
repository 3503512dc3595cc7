// A BUTTON element.
#ifndef __gen_nsIDOMHTMLButtonElement_h__
#define __gen_nsIDOMHTMLButtonElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLBUTTONELEMENT_IID_STR "a6cf9095-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLBUTTONELEMENT_IID                 \
  {                                                  \
    0xa6cf9095, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLButtonElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLBUTTONELEMENT_IID)

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  // "submit", "reset" or "button".
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLButtonElement, NS_IDOMHTMLBUTTONELEMENT_IID)

// Declares every method of nsIDOMHTMLButtonElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLBUTTONELEMENT                          \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;    \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override;       \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override; \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override;            \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override;             \
  NS_IMETHOD GetName(nsAString& aName) override;                 \
  NS_IMETHOD SetName(const nsAString& aName) override;           \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override;           \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override;            \
  NS_IMETHOD GetType(nsAString& aType) override;                 \
  NS_IMETHOD GetValue(nsAString& aValue) override;               \
  NS_IMETHOD SetValue(const nsAString& aValue) override;

// Implements every method of nsIDOMHTMLButtonElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLBUTTONELEMENT(_to)                   \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {    \
    return _to GetForm(aForm);                                    \
  }                                                               \
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {       \
    return _to GetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override { \
    return _to SetAccessKey(aAccessKey);                          \
  }                                                               \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {            \
    return _to GetDisabled(aDisabled);                            \
  }                                                               \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override {             \
    return _to SetDisabled(aDisabled);                            \
  }                                                               \
  NS_IMETHOD GetName(nsAString& aName) override {                 \
    return _to GetName(aName);                                    \
  }                                                               \
  NS_IMETHOD SetName(const nsAString& aName) override {           \
    return _to SetName(aName);                                    \
  }                                                               \
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {           \
    return _to GetTabIndex(aTabIndex);                            \
  }                                                               \
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {            \
    return _to SetTabIndex(aTabIndex);                            \
  }                                                               \
  NS_IMETHOD GetType(nsAString& aType) override {                 \
    return _to GetType(aType);                                    \
  }                                                               \
  NS_IMETHOD GetValue(nsAString& aValue) override {               \
    return _to GetValue(aValue);                                  \
  }                                                               \
  NS_IMETHOD SetValue(const nsAString& aValue) override {         \
    return _to SetValue(aValue);                                  \
  }

#endif
