// A FRAMESET element: the sizes of its columns and rows, as written.
#ifndef __gen_nsIDOMHTMLFrameSetElement_h__
#define __gen_nsIDOMHTMLFrameSetElement_h__

#include "nsIDOMHTMLElement.h"
#include "nsStringAPI.h"

#define NS_IDOMHTMLFRAMESETELEMENT_IID_STR "a6cf90b8-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLFRAMESETELEMENT_IID               \
  {                                                  \
    0xa6cf90b8, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLFrameSetElement : public nsIDOMHTMLElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLFRAMESETELEMENT_IID)

  NS_IMETHOD GetCols(nsAString& aCols) = 0;
  NS_IMETHOD SetCols(const nsAString& aCols) = 0;
  NS_IMETHOD GetRows(nsAString& aRows) = 0;
  NS_IMETHOD SetRows(const nsAString& aRows) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLFrameSetElement, NS_IDOMHTMLFRAMESETELEMENT_IID)

// Declares every method of nsIDOMHTMLFrameSetElement in a class that implements it.
#define NS_DECL_NSIDOMHTMLFRAMESETELEMENT              \
  NS_IMETHOD GetCols(nsAString& aCols) override;       \
  NS_IMETHOD SetCols(const nsAString& aCols) override; \
  NS_IMETHOD GetRows(nsAString& aRows) override;       \
  NS_IMETHOD SetRows(const nsAString& aRows) override;

// Implements every method of nsIDOMHTMLFrameSetElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLFRAMESETELEMENT(_to)       \
  NS_IMETHOD GetCols(nsAString& aCols) override {       \
    return _to GetCols(aCols);                          \
  }                                                     \
  NS_IMETHOD SetCols(const nsAString& aCols) override { \
    return _to SetCols(aCols);                          \
  }                                                     \
  NS_IMETHOD GetRows(nsAString& aRows) override {       \
    return _to GetRows(aRows);                          \
  }                                                     \
  NS_IMETHOD SetRows(const nsAString& aRows) override { \
    return _to SetRows(aRows);                          \
  }

#endif
