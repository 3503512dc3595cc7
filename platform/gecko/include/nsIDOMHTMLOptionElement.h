// An OPTION element of a select element or of a data list.
#ifndef __gen_nsIDOMHTMLOptionElement_h__
#define __gen_nsIDOMHTMLOptionElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLOPTIONELEMENT_IID_STR "a6cf9092-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLOPTIONELEMENT_IID                 \
  {                                                  \
    0xa6cf9092, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLOptionElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLOPTIONELEMENT_IID)

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetDefaultSelected(PRBool* aDefaultSelected) = 0;
  NS_IMETHOD SetDefaultSelected(PRBool aDefaultSelected) = 0;
  NS_IMETHOD GetText(nsAString& aText) = 0;
  // The option's position among the options of its select element.
  NS_IMETHOD GetIndex(PRInt32* aIndex) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetLabel(nsAString& aLabel) = 0;
  NS_IMETHOD SetLabel(const nsAString& aLabel) = 0;
  NS_IMETHOD GetSelected(PRBool* aSelected) = 0;
  NS_IMETHOD SetSelected(PRBool aSelected) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLOptionElement, NS_IDOMHTMLOPTIONELEMENT_IID)

// Declares every method of nsIDOMHTMLOptionElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLOPTIONELEMENT                             \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override;       \
  NS_IMETHOD GetDefaultSelected(PRBool* aDefaultSelected) override; \
  NS_IMETHOD SetDefaultSelected(PRBool aDefaultSelected) override;  \
  NS_IMETHOD GetText(nsAString& aText) override;                    \
  NS_IMETHOD GetIndex(PRInt32* aIndex) override;                    \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override;               \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override;                \
  NS_IMETHOD GetLabel(nsAString& aLabel) override;                  \
  NS_IMETHOD SetLabel(const nsAString& aLabel) override;            \
  NS_IMETHOD GetSelected(PRBool* aSelected) override;               \
  NS_IMETHOD SetSelected(PRBool aSelected) override;                \
  NS_IMETHOD GetValue(nsAString& aValue) override;                  \
  NS_IMETHOD SetValue(const nsAString& aValue) override;

// Implements every method of nsIDOMHTMLOptionElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLOPTIONELEMENT(_to)                      \
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {       \
    return _to GetForm(aForm);                                       \
  }                                                                  \
  NS_IMETHOD GetDefaultSelected(PRBool* aDefaultSelected) override { \
    return _to GetDefaultSelected(aDefaultSelected);                 \
  }                                                                  \
  NS_IMETHOD SetDefaultSelected(PRBool aDefaultSelected) override {  \
    return _to SetDefaultSelected(aDefaultSelected);                 \
  }                                                                  \
  NS_IMETHOD GetText(nsAString& aText) override {                    \
    return _to GetText(aText);                                       \
  }                                                                  \
  NS_IMETHOD GetIndex(PRInt32* aIndex) override {                    \
    return _to GetIndex(aIndex);                                     \
  }                                                                  \
  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {               \
    return _to GetDisabled(aDisabled);                               \
  }                                                                  \
  NS_IMETHOD SetDisabled(PRBool aDisabled) override {                \
    return _to SetDisabled(aDisabled);                               \
  }                                                                  \
  NS_IMETHOD GetLabel(nsAString& aLabel) override {                  \
    return _to GetLabel(aLabel);                                     \
  }                                                                  \
  NS_IMETHOD SetLabel(const nsAString& aLabel) override {            \
    return _to SetLabel(aLabel);                                     \
  }                                                                  \
  NS_IMETHOD GetSelected(PRBool* aSelected) override {               \
    return _to GetSelected(aSelected);                               \
  }                                                                  \
  NS_IMETHOD SetSelected(PRBool aSelected) override {                \
    return _to SetSelected(aSelected);                               \
  }                                                                  \
  NS_IMETHOD GetValue(nsAString& aValue) override {                  \
    return _to GetValue(aValue);                                     \
  }                                                                  \
  NS_IMETHOD SetValue(const nsAString& aValue) override {            \
    return _to SetValue(aValue);                                     \
  }

#endif
