// A BODY element: the presentational colours and background of the page.
#ifndef __gen_nsIDOMHTMLBodyElement_h__
#define __gen_nsIDOMHTMLBodyElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLBODYELEMENT_IID_STR "a6cf908e-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLBODYELEMENT_IID                   \
  {                                                  \
    0xa6cf908e, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLBodyElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLBODYELEMENT_IID)

  NS_IMETHOD GetALink(nsAString& aALink) = 0;
  NS_IMETHOD SetALink(const nsAString& aALink) = 0;
  NS_IMETHOD GetBackground(nsAString& aBackground) = 0;
  NS_IMETHOD SetBackground(const nsAString& aBackground) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetLink(nsAString& aLink) = 0;
  NS_IMETHOD SetLink(const nsAString& aLink) = 0;
  NS_IMETHOD GetText(nsAString& aText) = 0;
  NS_IMETHOD SetText(const nsAString& aText) = 0;
  NS_IMETHOD GetVLink(nsAString& aVLink) = 0;
  NS_IMETHOD SetVLink(const nsAString& aVLink) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLBodyElement, NS_IDOMHTMLBODYELEMENT_IID)

// Declares every method of nsIDOMHTMLBodyElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLBODYELEMENT                              \
  NS_IMETHOD GetALink(nsAString& aALink) override;                 \
  NS_IMETHOD SetALink(const nsAString& aALink) override;           \
  NS_IMETHOD GetBackground(nsAString& aBackground) override;       \
  NS_IMETHOD SetBackground(const nsAString& aBackground) override; \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override;             \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override;       \
  NS_IMETHOD GetLink(nsAString& aLink) override;                   \
  NS_IMETHOD SetLink(const nsAString& aLink) override;             \
  NS_IMETHOD GetText(nsAString& aText) override;                   \
  NS_IMETHOD SetText(const nsAString& aText) override;             \
  NS_IMETHOD GetVLink(nsAString& aVLink) override;                 \
  NS_IMETHOD SetVLink(const nsAString& aVLink) override;

// Implements every method of nsIDOMHTMLBodyElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLBODYELEMENT(_to)                       \
  NS_IMETHOD GetALink(nsAString& aALink) override {                 \
    return _to GetALink(aALink);                                    \
  }                                                                 \
  NS_IMETHOD SetALink(const nsAString& aALink) override {           \
    return _to SetALink(aALink);                                    \
  }                                                                 \
  NS_IMETHOD GetBackground(nsAString& aBackground) override {       \
    return _to GetBackground(aBackground);                          \
  }                                                                 \
  NS_IMETHOD SetBackground(const nsAString& aBackground) override { \
    return _to SetBackground(aBackground);                          \
  }                                                                 \
  NS_IMETHOD GetBgColor(nsAString& aBgColor) override {             \
    return _to GetBgColor(aBgColor);                                \
  }                                                                 \
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) override {       \
    return _to SetBgColor(aBgColor);                                \
  }                                                                 \
  NS_IMETHOD GetLink(nsAString& aLink) override {                   \
    return _to GetLink(aLink);                                      \
  }                                                                 \
  NS_IMETHOD SetLink(const nsAString& aLink) override {             \
    return _to SetLink(aLink);                                      \
  }                                                                 \
  NS_IMETHOD GetText(nsAString& aText) override {                   \
    return _to GetText(aText);                                      \
  }                                                                 \
  NS_IMETHOD SetText(const nsAString& aText) override {             \
    return _to SetText(aText);                                      \
  }                                                                 \
  NS_IMETHOD GetVLink(nsAString& aVLink) override {                 \
    return _to GetVLink(aVLink);                                    \
  }                                                                 \
  NS_IMETHOD SetVLink(const nsAString& aVLink) override {           \
    return _to SetVLink(aVLink);                                    \
  }

#endif
