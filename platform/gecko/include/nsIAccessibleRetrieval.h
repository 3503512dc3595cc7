// Declares the part of nsIAccessibleRetrieval that this code base uses: finding the
// accessible of a DOM node. Left out: the string tables and the cache lookups. Gecko builds
// accessibles only while an assistive technology is in use; before that these calls fail.
#ifndef __gen_nsIAccessibleRetrieval_h__
#define __gen_nsIAccessibleRetrieval_h__

#include "nsISupports.h"

class nsIAccessible;
class nsIDOMNode;
class nsIDOMWindow;

#define NS_IACCESSIBLERETRIEVAL_IID_STR "07853ef7-4a3d-4553-b691-8155b87ee01c"

#define NS_IACCESSIBLERETRIEVAL_IID                  \
  {                                                  \
    0x07853ef7, 0x4a3d, 0x4553, {                    \
      0xb6, 0x91, 0x81, 0x55, 0xb8, 0x7e, 0xe0, 0x1c \
    }                                                \
  }

class nsIAccessibleRetrieval : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IACCESSIBLERETRIEVAL_IID)

  NS_IMETHOD GetAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) = 0;
  NS_IMETHOD GetAttachedAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) = 0;
  NS_IMETHOD GetRelevantContentNodeFor(nsIDOMNode* aNode, nsIDOMNode** _retval) = 0;
  NS_IMETHOD GetAccessibleInWindow(nsIDOMNode* aNode, nsIDOMWindow* aDOMWin,
                                   nsIAccessible** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIAccessibleRetrieval, NS_IACCESSIBLERETRIEVAL_IID)

// Declares every method of nsIAccessibleRetrieval in a class that implements it.
#define NS_DECL_NSIACCESSIBLERETRIEVAL                                                      \
  NS_IMETHOD GetAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override;         \
  NS_IMETHOD GetAttachedAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override; \
  NS_IMETHOD GetRelevantContentNodeFor(nsIDOMNode* aNode, nsIDOMNode** _retval) override;   \
  NS_IMETHOD GetAccessibleInWindow(nsIDOMNode* aNode, nsIDOMWindow* aDOMWin,                \
                                   nsIAccessible** _retval) override;

// Implements every method of nsIAccessibleRetrieval by calling the same method of _to.
#define NS_FORWARD_NSIACCESSIBLERETRIEVAL(_to)                                               \
  NS_IMETHOD GetAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override {         \
    return _to GetAccessibleFor(aNode, _retval);                                             \
  }                                                                                          \
  NS_IMETHOD GetAttachedAccessibleFor(nsIDOMNode* aNode, nsIAccessible** _retval) override { \
    return _to GetAttachedAccessibleFor(aNode, _retval);                                     \
  }                                                                                          \
  NS_IMETHOD GetRelevantContentNodeFor(nsIDOMNode* aNode, nsIDOMNode** _retval) override {   \
    return _to GetRelevantContentNodeFor(aNode, _retval);                                    \
  }                                                                                          \
  NS_IMETHOD GetAccessibleInWindow(nsIDOMNode* aNode, nsIDOMWindow* aDOMWin,                 \
                                   nsIAccessible** _retval) override {                       \
    return _to GetAccessibleInWindow(aNode, aDOMWin, _retval);                               \
  }

// The service, also creatable as a new instance.
#define NS_ACCESSIBLE_RETRIEVAL_CONTRACTID "@mozilla.org/accessibleRetrieval;1"

#endif
