// A FRAME element of a frameset and the document it shows.
#ifndef __gen_nsIDOMHTMLFrameElement_h__
#define __gen_nsIDOMHTMLFrameElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

class nsIDOMDocument;

#define NS_IDOMHTMLFRAMEELEMENT_IID_STR "a6cf90b9-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLFRAMEELEMENT_IID                  \
  {                                                  \
    0xa6cf90b9, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLFrameElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLFRAMEELEMENT_IID)

  NS_IMETHOD GetFrameBorder(nsAString& aFrameBorder) = 0;
  NS_IMETHOD SetFrameBorder(const nsAString& aFrameBorder) = 0;
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) = 0;
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) = 0;
  NS_IMETHOD GetMarginHeight(nsAString& aMarginHeight) = 0;
  NS_IMETHOD SetMarginHeight(const nsAString& aMarginHeight) = 0;
  NS_IMETHOD GetMarginWidth(nsAString& aMarginWidth) = 0;
  NS_IMETHOD SetMarginWidth(const nsAString& aMarginWidth) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetNoResize(PRBool* aNoResize) = 0;
  NS_IMETHOD SetNoResize(PRBool aNoResize) = 0;
  NS_IMETHOD GetScrolling(nsAString& aScrolling) = 0;
  NS_IMETHOD SetScrolling(const nsAString& aScrolling) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLFrameElement, NS_IDOMHTMLFRAMEELEMENT_IID)

// Declares every method of nsIDOMHTMLFrameElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLFRAMEELEMENT                                 \
  NS_IMETHOD GetFrameBorder(nsAString& aFrameBorder) override;         \
  NS_IMETHOD SetFrameBorder(const nsAString& aFrameBorder) override;   \
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) override;               \
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) override;         \
  NS_IMETHOD GetMarginHeight(nsAString& aMarginHeight) override;       \
  NS_IMETHOD SetMarginHeight(const nsAString& aMarginHeight) override; \
  NS_IMETHOD GetMarginWidth(nsAString& aMarginWidth) override;         \
  NS_IMETHOD SetMarginWidth(const nsAString& aMarginWidth) override;   \
  NS_IMETHOD GetName(nsAString& aName) override;                       \
  NS_IMETHOD SetName(const nsAString& aName) override;                 \
  NS_IMETHOD GetNoResize(PRBool* aNoResize) override;                  \
  NS_IMETHOD SetNoResize(PRBool aNoResize) override;                   \
  NS_IMETHOD GetScrolling(nsAString& aScrolling) override;             \
  NS_IMETHOD SetScrolling(const nsAString& aScrolling) override;       \
  NS_IMETHOD GetSrc(nsAString& aSrc) override;                         \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override;                   \
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) override;

// Implements every method of nsIDOMHTMLFrameElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLFRAMEELEMENT(_to)                                \
  NS_IMETHOD GetFrameBorder(nsAString& aFrameBorder) override {               \
    return _to GetFrameBorder(aFrameBorder);                                  \
  }                                                                           \
  NS_IMETHOD SetFrameBorder(const nsAString& aFrameBorder) override {         \
    return _to SetFrameBorder(aFrameBorder);                                  \
  }                                                                           \
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) override {                     \
    return _to GetLongDesc(aLongDesc);                                        \
  }                                                                           \
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) override {               \
    return _to SetLongDesc(aLongDesc);                                        \
  }                                                                           \
  NS_IMETHOD GetMarginHeight(nsAString& aMarginHeight) override {             \
    return _to GetMarginHeight(aMarginHeight);                                \
  }                                                                           \
  NS_IMETHOD SetMarginHeight(const nsAString& aMarginHeight) override {       \
    return _to SetMarginHeight(aMarginHeight);                                \
  }                                                                           \
  NS_IMETHOD GetMarginWidth(nsAString& aMarginWidth) override {               \
    return _to GetMarginWidth(aMarginWidth);                                  \
  }                                                                           \
  NS_IMETHOD SetMarginWidth(const nsAString& aMarginWidth) override {         \
    return _to SetMarginWidth(aMarginWidth);                                  \
  }                                                                           \
  NS_IMETHOD GetName(nsAString& aName) override {                             \
    return _to GetName(aName);                                                \
  }                                                                           \
  NS_IMETHOD SetName(const nsAString& aName) override {                       \
    return _to SetName(aName);                                                \
  }                                                                           \
  NS_IMETHOD GetNoResize(PRBool* aNoResize) override {                        \
    return _to GetNoResize(aNoResize);                                        \
  }                                                                           \
  NS_IMETHOD SetNoResize(PRBool aNoResize) override {                         \
    return _to SetNoResize(aNoResize);                                        \
  }                                                                           \
  NS_IMETHOD GetScrolling(nsAString& aScrolling) override {                   \
    return _to GetScrolling(aScrolling);                                      \
  }                                                                           \
  NS_IMETHOD SetScrolling(const nsAString& aScrolling) override {             \
    return _to SetScrolling(aScrolling);                                      \
  }                                                                           \
  NS_IMETHOD GetSrc(nsAString& aSrc) override {                               \
    return _to GetSrc(aSrc);                                                  \
  }                                                                           \
  NS_IMETHOD SetSrc(const nsAString& aSrc) override {                         \
    return _to SetSrc(aSrc);                                                  \
  }                                                                           \
  NS_IMETHOD GetContentDocument(nsIDOMDocument** aContentDocument) override { \
    return _to GetContentDocument(aContentDocument);                          \
  }

#endif
