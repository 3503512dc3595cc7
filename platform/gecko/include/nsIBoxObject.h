// The layout box of a XUL element: position relative to its parent box (x, y) and on the
// screen (screenX, screenY), size, and per-box properties. Device pixels.
#ifndef __gen_nsIBoxObject_h__
#define __gen_nsIBoxObject_h__

#include "nsISupports.h"

class nsIDOMElement;

#define NS_IBOXOBJECT_IID_STR "ce572460-b0f2-4650-a9e7-c53a99d3b6ad"

#define NS_IBOXOBJECT_IID                            \
  {                                                  \
    0xce572460, 0xb0f2, 0x4650, {                    \
      0xa9, 0xe7, 0xc5, 0x3a, 0x99, 0xd3, 0xb6, 0xad \
    }                                                \
  }

class nsIBoxObject : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IBOXOBJECT_IID)

  NS_IMETHOD GetElement(nsIDOMElement** aElement) = 0;
  NS_IMETHOD GetX(PRInt32* aX) = 0;
  NS_IMETHOD GetY(PRInt32* aY) = 0;
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) = 0;
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) = 0;
  NS_IMETHOD GetWidth(PRInt32* aWidth) = 0;
  NS_IMETHOD GetHeight(PRInt32* aHeight) = 0;
  NS_IMETHOD GetPropertyAsSupports(const PRUnichar* propertyName, nsISupports** _retval) = 0;
  NS_IMETHOD SetPropertyAsSupports(const PRUnichar* propertyName, nsISupports* value) = 0;
  NS_IMETHOD GetProperty(const PRUnichar* propertyName, PRUnichar** _retval) = 0;
  NS_IMETHOD SetProperty(const PRUnichar* propertyName, const PRUnichar* propertyValue) = 0;
  NS_IMETHOD RemoveProperty(const PRUnichar* propertyName) = 0;
  NS_IMETHOD GetParentBox(nsIDOMElement** aParentBox) = 0;
  NS_IMETHOD GetFirstChild(nsIDOMElement** aFirstChild) = 0;
  NS_IMETHOD GetLastChild(nsIDOMElement** aLastChild) = 0;
  NS_IMETHOD GetNextSibling(nsIDOMElement** aNextSibling) = 0;
  NS_IMETHOD GetPreviousSibling(nsIDOMElement** aPreviousSibling) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIBoxObject, NS_IBOXOBJECT_IID)

// Declares every method of nsIBoxObject in a class that implements it.
#define NS_DECL_NSIBOXOBJECT                                                                       \
  NS_IMETHOD GetElement(nsIDOMElement** aElement) override;                                        \
  NS_IMETHOD GetX(PRInt32* aX) override;                                                           \
  NS_IMETHOD GetY(PRInt32* aY) override;                                                           \
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override;                                               \
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override;                                               \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override;                                                   \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override;                                                 \
  NS_IMETHOD GetPropertyAsSupports(const PRUnichar* propertyName, nsISupports** _retval) override; \
  NS_IMETHOD SetPropertyAsSupports(const PRUnichar* propertyName, nsISupports* value) override;    \
  NS_IMETHOD GetProperty(const PRUnichar* propertyName, PRUnichar** _retval) override;             \
  NS_IMETHOD SetProperty(const PRUnichar* propertyName, const PRUnichar* propertyValue) override;  \
  NS_IMETHOD RemoveProperty(const PRUnichar* propertyName) override;                               \
  NS_IMETHOD GetParentBox(nsIDOMElement** aParentBox) override;                                    \
  NS_IMETHOD GetFirstChild(nsIDOMElement** aFirstChild) override;                                  \
  NS_IMETHOD GetLastChild(nsIDOMElement** aLastChild) override;                                    \
  NS_IMETHOD GetNextSibling(nsIDOMElement** aNextSibling) override;                                \
  NS_IMETHOD GetPreviousSibling(nsIDOMElement** aPreviousSibling) override;

// Implements every method of nsIBoxObject by calling the same method of _to.
#define NS_FORWARD_NSIBOXOBJECT(_to)                                                               \
  NS_IMETHOD GetElement(nsIDOMElement** aElement) override {                                       \
    return _to GetElement(aElement);                                                               \
  }                                                                                                \
  NS_IMETHOD GetX(PRInt32* aX) override {                                                          \
    return _to GetX(aX);                                                                           \
  }                                                                                                \
  NS_IMETHOD GetY(PRInt32* aY) override {                                                          \
    return _to GetY(aY);                                                                           \
  }                                                                                                \
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override {                                              \
    return _to GetScreenX(aScreenX);                                                               \
  }                                                                                                \
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override {                                              \
    return _to GetScreenY(aScreenY);                                                               \
  }                                                                                                \
  NS_IMETHOD GetWidth(PRInt32* aWidth) override {                                                  \
    return _to GetWidth(aWidth);                                                                   \
  }                                                                                                \
  NS_IMETHOD GetHeight(PRInt32* aHeight) override {                                                \
    return _to GetHeight(aHeight);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetPropertyAsSupports(const PRUnichar* propertyName, nsISupports** _retval)           \
      override {                                                                                   \
    return _to GetPropertyAsSupports(propertyName, _retval);                                       \
  }                                                                                                \
  NS_IMETHOD SetPropertyAsSupports(const PRUnichar* propertyName, nsISupports* value) override {   \
    return _to SetPropertyAsSupports(propertyName, value);                                         \
  }                                                                                                \
  NS_IMETHOD GetProperty(const PRUnichar* propertyName, PRUnichar** _retval) override {            \
    return _to GetProperty(propertyName, _retval);                                                 \
  }                                                                                                \
  NS_IMETHOD SetProperty(const PRUnichar* propertyName, const PRUnichar* propertyValue) override { \
    return _to SetProperty(propertyName, propertyValue);                                           \
  }                                                                                                \
  NS_IMETHOD RemoveProperty(const PRUnichar* propertyName) override {                              \
    return _to RemoveProperty(propertyName);                                                       \
  }                                                                                                \
  NS_IMETHOD GetParentBox(nsIDOMElement** aParentBox) override {                                   \
    return _to GetParentBox(aParentBox);                                                           \
  }                                                                                                \
  NS_IMETHOD GetFirstChild(nsIDOMElement** aFirstChild) override {                                 \
    return _to GetFirstChild(aFirstChild);                                                         \
  }                                                                                                \
  NS_IMETHOD GetLastChild(nsIDOMElement** aLastChild) override {                                   \
    return _to GetLastChild(aLastChild);                                                           \
  }                                                                                                \
  NS_IMETHOD GetNextSibling(nsIDOMElement** aNextSibling) override {                               \
    return _to GetNextSibling(aNextSibling);                                                       \
  }                                                                                                \
  NS_IMETHOD GetPreviousSibling(nsIDOMElement** aPreviousSibling) override {                       \
    return _to GetPreviousSibling(aPreviousSibling);                                               \
  }

#endif
