// The children of a document shell: the shells of its frames and iframes, in document order.
#ifndef __gen_nsIDocShellTreeNode_h__
#define __gen_nsIDocShellTreeNode_h__

#include "nsISupports.h"

class nsIDocShellTreeItem;

#define NS_IDOCSHELLTREENODE_IID_STR "54340af2-03a6-4424-8a9d-dc6814faf1ef"

#define NS_IDOCSHELLTREENODE_IID                     \
  {                                                  \
    0x54340af2, 0x03a6, 0x4424, {                    \
      0x8a, 0x9d, 0xdc, 0x68, 0x14, 0xfa, 0xf1, 0xef \
    }                                                \
  }

class nsIDocShellTreeNode : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOCSHELLTREENODE_IID)

  NS_IMETHOD GetChildCount(PRInt32* aChildCount) = 0;
  NS_IMETHOD AddChild(nsIDocShellTreeItem* child) = 0;
  NS_IMETHOD RemoveChild(nsIDocShellTreeItem* child) = 0;
  NS_IMETHOD GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD FindChildWithName(const PRUnichar* aName, PRBool aRecurse, PRBool aSameType,
                               nsIDocShellTreeItem* aRequestor,
                               nsIDocShellTreeItem* aOriginalRequestor,
                               nsIDocShellTreeItem** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDocShellTreeNode, NS_IDOCSHELLTREENODE_IID)

// Declares every method of nsIDocShellTreeNode in a class that implements it.
#define NS_DECL_NSIDOCSHELLTREENODE                                                               \
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) override;                                        \
  NS_IMETHOD AddChild(nsIDocShellTreeItem* child) override;                                       \
  NS_IMETHOD RemoveChild(nsIDocShellTreeItem* child) override;                                    \
  NS_IMETHOD GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) override;                   \
  NS_IMETHOD FindChildWithName(                                                                   \
      const PRUnichar* aName, PRBool aRecurse, PRBool aSameType, nsIDocShellTreeItem* aRequestor, \
      nsIDocShellTreeItem* aOriginalRequestor, nsIDocShellTreeItem** _retval) override;

// Implements every method of nsIDocShellTreeNode by calling the same method of _to.
#define NS_FORWARD_NSIDOCSHELLTREENODE(_to)                                                       \
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) override {                                       \
    return _to GetChildCount(aChildCount);                                                        \
  }                                                                                               \
  NS_IMETHOD AddChild(nsIDocShellTreeItem* child) override {                                      \
    return _to AddChild(child);                                                                   \
  }                                                                                               \
  NS_IMETHOD RemoveChild(nsIDocShellTreeItem* child) override {                                   \
    return _to RemoveChild(child);                                                                \
  }                                                                                               \
  NS_IMETHOD GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) override {                  \
    return _to GetChildAt(index, _retval);                                                        \
  }                                                                                               \
  NS_IMETHOD FindChildWithName(                                                                   \
      const PRUnichar* aName, PRBool aRecurse, PRBool aSameType, nsIDocShellTreeItem* aRequestor, \
      nsIDocShellTreeItem* aOriginalRequestor, nsIDocShellTreeItem** _retval) override {          \
    return _to FindChildWithName(aName, aRecurse, aSameType, aRequestor, aOriginalRequestor,      \
                                 _retval);                                                        \
  }

#endif
