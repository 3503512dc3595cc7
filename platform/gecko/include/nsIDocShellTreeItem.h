// Declares the part of nsIDocShellTreeItem that this code base uses: a shell's name, type
// and place in the tree of shells (chrome shells above content shells). Left out: the child
// offset.
#ifndef __gen_nsIDocShellTreeItem_h__
#define __gen_nsIDocShellTreeItem_h__

#include "nsISupports.h"

class nsIDocShellTreeOwner;

#define NS_IDOCSHELLTREEITEM_IID_STR "a598b9e4-a437-4823-b7d8-d31343b7e59e"

#define NS_IDOCSHELLTREEITEM_IID                     \
  {                                                  \
    0xa598b9e4, 0xa437, 0x4823, {                    \
      0xb7, 0xd8, 0xd3, 0x13, 0x43, 0xb7, 0xe5, 0x9e \
    }                                                \
  }

class nsIDocShellTreeItem : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOCSHELLTREEITEM_IID)

  NS_IMETHOD GetName(PRUnichar** aName) = 0;
  NS_IMETHOD SetName(const PRUnichar* aName) = 0;
  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) = 0;

  enum { typeChrome = 0 };
  enum { typeContent = 1 };
  enum { typeContentWrapper = 2 };
  enum { typeChromeWrapper = 3 };
  enum { typeAll = 0x7FFFFFFF };

  NS_IMETHOD GetItemType(PRInt32* aItemType) = 0;
  NS_IMETHOD SetItemType(PRInt32 aItemType) = 0;
  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) = 0;
  // The nearest ancestor of the same type; a content shell at the top of its tab has none.
  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) = 0;
  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) = 0;
  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) = 0;
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor,
                              nsIDocShellTreeItem* aOriginalRequestor,
                              nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) = 0;
  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* treeOwner) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDocShellTreeItem, NS_IDOCSHELLTREEITEM_IID)

// Declares every method of nsIDocShellTreeItem in a class that implements it.
#define NS_DECL_NSIDOCSHELLTREEITEM                                                         \
  NS_IMETHOD GetName(PRUnichar** aName) override;                                           \
  NS_IMETHOD SetName(const PRUnichar* aName) override;                                      \
  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) override;                   \
  NS_IMETHOD GetItemType(PRInt32* aItemType) override;                                      \
  NS_IMETHOD SetItemType(PRInt32 aItemType) override;                                       \
  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) override;                             \
  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) override;             \
  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) override;                 \
  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) override; \
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor,               \
                              nsIDocShellTreeItem* aOriginalRequestor,                      \
                              nsIDocShellTreeItem** _retval) override;                      \
  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) override;                      \
  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* treeOwner) override;

// Implements every method of nsIDocShellTreeItem by calling the same method of _to.
#define NS_FORWARD_NSIDOCSHELLTREEITEM(_to)                                                  \
  NS_IMETHOD GetName(PRUnichar** aName) override {                                           \
    return _to GetName(aName);                                                               \
  }                                                                                          \
  NS_IMETHOD SetName(const PRUnichar* aName) override {                                      \
    return _to SetName(aName);                                                               \
  }                                                                                          \
  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) override {                   \
    return _to NameEquals(name, _retval);                                                    \
  }                                                                                          \
  NS_IMETHOD GetItemType(PRInt32* aItemType) override {                                      \
    return _to GetItemType(aItemType);                                                       \
  }                                                                                          \
  NS_IMETHOD SetItemType(PRInt32 aItemType) override {                                       \
    return _to SetItemType(aItemType);                                                       \
  }                                                                                          \
  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) override {                             \
    return _to GetParent(aParent);                                                           \
  }                                                                                          \
  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) override {             \
    return _to GetSameTypeParent(aSameTypeParent);                                           \
  }                                                                                          \
  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) override {                 \
    return _to GetRootTreeItem(aRootTreeItem);                                               \
  }                                                                                          \
  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) override { \
    return _to GetSameTypeRootTreeItem(aSameTypeRootTreeItem);                               \
  }                                                                                          \
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor,                \
                              nsIDocShellTreeItem* aOriginalRequestor,                       \
                              nsIDocShellTreeItem** _retval) override {                      \
    return _to FindItemWithName(name, aRequestor, aOriginalRequestor, _retval);              \
  }                                                                                          \
  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) override {                      \
    return _to GetTreeOwner(aTreeOwner);                                                     \
  }                                                                                          \
  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* treeOwner) override {                        \
    return _to SetTreeOwner(treeOwner);                                                      \
  }

#endif
