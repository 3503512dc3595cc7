// An element of an HTML document: the core HTML attributes every element reflects.
#ifndef __gen_nsIDOMHTMLElement_h__
#define __gen_nsIDOMHTMLElement_h__

#include "nsIDOMElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLELEMENT_IID_STR "a6cf9085-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLELEMENT_IID                       \
  {                                                  \
    0xa6cf9085, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLElement : public nsIDOMElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLELEMENT_IID)

  NS_IMETHOD GetId(nsAString& aId) = 0;
  NS_IMETHOD SetId(const nsAString& aId) = 0;
  NS_IMETHOD GetTitle(nsAString& aTitle) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  NS_IMETHOD GetLang(nsAString& aLang) = 0;
  NS_IMETHOD SetLang(const nsAString& aLang) = 0;
  NS_IMETHOD GetDir(nsAString& aDir) = 0;
  NS_IMETHOD SetDir(const nsAString& aDir) = 0;
  NS_IMETHOD GetClassName(nsAString& aClassName) = 0;
  NS_IMETHOD SetClassName(const nsAString& aClassName) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLElement, NS_IDOMHTMLELEMENT_IID)

// Declares every method of nsIDOMHTMLElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLELEMENT                          \
  NS_IMETHOD GetId(nsAString& aId) override;               \
  NS_IMETHOD SetId(const nsAString& aId) override;         \
  NS_IMETHOD GetTitle(nsAString& aTitle) override;         \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override;   \
  NS_IMETHOD GetLang(nsAString& aLang) override;           \
  NS_IMETHOD SetLang(const nsAString& aLang) override;     \
  NS_IMETHOD GetDir(nsAString& aDir) override;             \
  NS_IMETHOD SetDir(const nsAString& aDir) override;       \
  NS_IMETHOD GetClassName(nsAString& aClassName) override; \
  NS_IMETHOD SetClassName(const nsAString& aClassName) override;

// Implements every method of nsIDOMHTMLElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLELEMENT(_to)                         \
  NS_IMETHOD GetId(nsAString& aId) override {                     \
    return _to GetId(aId);                                        \
  }                                                               \
  NS_IMETHOD SetId(const nsAString& aId) override {               \
    return _to SetId(aId);                                        \
  }                                                               \
  NS_IMETHOD GetTitle(nsAString& aTitle) override {               \
    return _to GetTitle(aTitle);                                  \
  }                                                               \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override {         \
    return _to SetTitle(aTitle);                                  \
  }                                                               \
  NS_IMETHOD GetLang(nsAString& aLang) override {                 \
    return _to GetLang(aLang);                                    \
  }                                                               \
  NS_IMETHOD SetLang(const nsAString& aLang) override {           \
    return _to SetLang(aLang);                                    \
  }                                                               \
  NS_IMETHOD GetDir(nsAString& aDir) override {                   \
    return _to GetDir(aDir);                                      \
  }                                                               \
  NS_IMETHOD SetDir(const nsAString& aDir) override {             \
    return _to SetDir(aDir);                                      \
  }                                                               \
  NS_IMETHOD GetClassName(nsAString& aClassName) override {       \
    return _to GetClassName(aClassName);                          \
  }                                                               \
  NS_IMETHOD SetClassName(const nsAString& aClassName) override { \
    return _to SetClassName(aClassName);                          \
  }

#endif
