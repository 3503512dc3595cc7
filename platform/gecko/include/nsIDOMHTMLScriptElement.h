// A SCRIPT element. Setting the text of a script that has not run yet gives it the code it
// runs when it is inserted into a document.
#ifndef __gen_nsIDOMHTMLScriptElement_h__
#define __gen_nsIDOMHTMLScriptElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLSCRIPTELEMENT_IID_STR "a6cf90b1-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLSCRIPTELEMENT_IID                 \
  {                                                  \
    0xa6cf90b1, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLScriptElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLSCRIPTELEMENT_IID)

  NS_IMETHOD GetText(nsAString& aText) = 0;
  NS_IMETHOD SetText(const nsAString& aText) = 0;
  NS_IMETHOD GetHtmlFor(nsAString& aHtmlFor) = 0;
  NS_IMETHOD SetHtmlFor(const nsAString& aHtmlFor) = 0;
  NS_IMETHOD GetEvent(nsAString& aEvent) = 0;
  NS_IMETHOD SetEvent(const nsAString& aEvent) = 0;
  NS_IMETHOD GetCharset(nsAString& aCharset) = 0;
  NS_IMETHOD SetCharset(const nsAString& aCharset) = 0;
  NS_IMETHOD GetDefer(PRBool* aDefer) = 0;
  NS_IMETHOD SetDefer(PRBool aDefer) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLScriptElement, NS_IDOMHTMLSCRIPTELEMENT_IID)

// Declares every method of nsIDOMHTMLScriptElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLSCRIPTELEMENT                      \
  NS_IMETHOD GetText(nsAString& aText) override;             \
  NS_IMETHOD SetText(const nsAString& aText) override;       \
  NS_IMETHOD GetHtmlFor(nsAString& aHtmlFor) override;       \
  NS_IMETHOD SetHtmlFor(const nsAString& aHtmlFor) override; \
  NS_IMETHOD GetEvent(nsAString& aEvent) override;           \
  NS_IMETHOD SetEvent(const nsAString& aEvent) override;     \
  NS_IMETHOD GetCharset(nsAString& aCharset) override;       \
  NS_IMETHOD SetCharset(const nsAString& aCharset) override; \
  NS_IMETHOD GetDefer(PRBool* aDefer) override;              \
  NS_IMETHOD SetDefer(PRBool aDefer) override;               \
  NS_IMETHOD GetSrc(nsAString& aSrc) override;               \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override;         \
  NS_IMETHOD GetType(nsAString& aType) override;             \
  NS_IMETHOD SetType(const nsAString& aType) override;

// Implements every method of nsIDOMHTMLScriptElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLSCRIPTELEMENT(_to)               \
  NS_IMETHOD GetText(nsAString& aText) override {             \
    return _to GetText(aText);                                \
  }                                                           \
  NS_IMETHOD SetText(const nsAString& aText) override {       \
    return _to SetText(aText);                                \
  }                                                           \
  NS_IMETHOD GetHtmlFor(nsAString& aHtmlFor) override {       \
    return _to GetHtmlFor(aHtmlFor);                          \
  }                                                           \
  NS_IMETHOD SetHtmlFor(const nsAString& aHtmlFor) override { \
    return _to SetHtmlFor(aHtmlFor);                          \
  }                                                           \
  NS_IMETHOD GetEvent(nsAString& aEvent) override {           \
    return _to GetEvent(aEvent);                              \
  }                                                           \
  NS_IMETHOD SetEvent(const nsAString& aEvent) override {     \
    return _to SetEvent(aEvent);                              \
  }                                                           \
  NS_IMETHOD GetCharset(nsAString& aCharset) override {       \
    return _to GetCharset(aCharset);                          \
  }                                                           \
  NS_IMETHOD SetCharset(const nsAString& aCharset) override { \
    return _to SetCharset(aCharset);                          \
  }                                                           \
  NS_IMETHOD GetDefer(PRBool* aDefer) override {              \
    return _to GetDefer(aDefer);                              \
  }                                                           \
  NS_IMETHOD SetDefer(PRBool aDefer) override {               \
    return _to SetDefer(aDefer);                              \
  }                                                           \
  NS_IMETHOD GetSrc(nsAString& aSrc) override {               \
    return _to GetSrc(aSrc);                                  \
  }                                                           \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override {         \
    return _to SetSrc(aSrc);                                  \
  }                                                           \
  NS_IMETHOD GetType(nsAString& aType) override {             \
    return _to GetType(aType);                                \
  }                                                           \
  NS_IMETHOD SetType(const nsAString& aType) override {       \
    return _to SetType(aType);                                \
  }

#endif
