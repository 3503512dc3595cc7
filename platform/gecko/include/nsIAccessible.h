// Declares the part of nsIAccessible that this code base uses: the accessible tree, name,
// role and state, hit-testing and bounds. Bounds are screen pixels. Left out: values,
// descriptions, key bindings, relations, selection and actions.
#ifndef __gen_nsIAccessible_h__
#define __gen_nsIAccessible_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

#define NS_IACCESSIBLE_IID_STR "590ae415-f3e7-4bce-a366-5946dba5cf5a"

#define NS_IACCESSIBLE_IID                           \
  {                                                  \
    0x590ae415, 0xf3e7, 0x4bce, {                    \
      0xa3, 0x66, 0x59, 0x46, 0xdb, 0xa5, 0xcf, 0x5a \
    }                                                \
  }

class nsIAccessible : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IACCESSIBLE_IID)

  NS_IMETHOD GetParent(nsIAccessible** aParent) = 0;
  NS_IMETHOD GetNextSibling(nsIAccessible** aNextSibling) = 0;
  NS_IMETHOD GetPreviousSibling(nsIAccessible** aPreviousSibling) = 0;
  NS_IMETHOD GetFirstChild(nsIAccessible** aFirstChild) = 0;
  NS_IMETHOD GetLastChild(nsIAccessible** aLastChild) = 0;
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD GetRole(PRUint32* aRole) = 0;
  NS_IMETHOD GetState(PRUint32* aState, PRUint32* aExtraState) = 0;
  NS_IMETHOD GetChildAtPoint(PRInt32 x, PRInt32 y, nsIAccessible** _retval) = 0;
  // The accessible's box on the screen.
  NS_IMETHOD GetBounds(PRInt32* x, PRInt32* y, PRInt32* width, PRInt32* height) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIAccessible, NS_IACCESSIBLE_IID)

// Declares every method of nsIAccessible in a class that implements it.
#define NS_DECL_NSIACCESSIBLE                                                         \
  NS_IMETHOD GetParent(nsIAccessible** aParent) override;                             \
  NS_IMETHOD GetNextSibling(nsIAccessible** aNextSibling) override;                   \
  NS_IMETHOD GetPreviousSibling(nsIAccessible** aPreviousSibling) override;           \
  NS_IMETHOD GetFirstChild(nsIAccessible** aFirstChild) override;                     \
  NS_IMETHOD GetLastChild(nsIAccessible** aLastChild) override;                       \
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) override;                            \
  NS_IMETHOD GetName(nsAString& aName) override;                                      \
  NS_IMETHOD GetRole(PRUint32* aRole) override;                                       \
  NS_IMETHOD GetState(PRUint32* aState, PRUint32* aExtraState) override;              \
  NS_IMETHOD GetChildAtPoint(PRInt32 x, PRInt32 y, nsIAccessible** _retval) override; \
  NS_IMETHOD GetBounds(PRInt32* x, PRInt32* y, PRInt32* width, PRInt32* height) override;

// Implements every method of nsIAccessible by calling the same method of _to.
#define NS_FORWARD_NSIACCESSIBLE(_to)                                                      \
  NS_IMETHOD GetParent(nsIAccessible** aParent) override {                                 \
    return _to GetParent(aParent);                                                         \
  }                                                                                        \
  NS_IMETHOD GetNextSibling(nsIAccessible** aNextSibling) override {                       \
    return _to GetNextSibling(aNextSibling);                                               \
  }                                                                                        \
  NS_IMETHOD GetPreviousSibling(nsIAccessible** aPreviousSibling) override {               \
    return _to GetPreviousSibling(aPreviousSibling);                                       \
  }                                                                                        \
  NS_IMETHOD GetFirstChild(nsIAccessible** aFirstChild) override {                         \
    return _to GetFirstChild(aFirstChild);                                                 \
  }                                                                                        \
  NS_IMETHOD GetLastChild(nsIAccessible** aLastChild) override {                           \
    return _to GetLastChild(aLastChild);                                                   \
  }                                                                                        \
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) override {                                \
    return _to GetChildCount(aChildCount);                                                 \
  }                                                                                        \
  NS_IMETHOD GetName(nsAString& aName) override {                                          \
    return _to GetName(aName);                                                             \
  }                                                                                        \
  NS_IMETHOD GetRole(PRUint32* aRole) override {                                           \
    return _to GetRole(aRole);                                                             \
  }                                                                                        \
  NS_IMETHOD GetState(PRUint32* aState, PRUint32* aExtraState) override {                  \
    return _to GetState(aState, aExtraState);                                              \
  }                                                                                        \
  NS_IMETHOD GetChildAtPoint(PRInt32 x, PRInt32 y, nsIAccessible** _retval) override {     \
    return _to GetChildAtPoint(x, y, _retval);                                             \
  }                                                                                        \
  NS_IMETHOD GetBounds(PRInt32* x, PRInt32* y, PRInt32* width, PRInt32* height) override { \
    return _to GetBounds(x, y, width, height);                                             \
  }

#endif
