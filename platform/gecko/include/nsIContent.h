// Declares the part of nsIContent that this code base uses: the document and parent of a
// content node and its children. Reached by QueryInterface from a DOM node. (In Gecko it
// derives from nsINode, which carries the document and parent accessors; here the class
// holds them itself.)
#ifndef nsIContent_h___
#define nsIContent_h___

#include "nsISupports.h"

class nsIDocument;

#define NS_ICONTENT_IID                              \
  {                                                  \
    0xb6775d42, 0x01f5, 0x4eb5, {                    \
      0xa0, 0xe8, 0xb0, 0x2d, 0x4a, 0x54, 0x90, 0xa0 \
    }                                                \
  }

class nsIContent : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ICONTENT_IID)

  // The document that owns the node, also while it is not in the tree.
  virtual nsIDocument* GetOwnerDoc() const = 0;
  // The document whose tree the node is in, or null.
  virtual nsIDocument* GetCurrentDoc() const = 0;
  virtual nsIContent* GetParent() const = 0;
  virtual PRUint32 GetChildCount() const = 0;
  virtual nsIContent* GetChildAt(PRUint32 aIndex) const = 0;
  // For anonymous content: the element whose binding created it; otherwise null.
  virtual nsIContent* GetBindingParent() const = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIContent, NS_ICONTENT_IID)

#endif
