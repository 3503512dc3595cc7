// Declares the part of nsIContent that this code base uses: the document and parent of a
// content node, its children, its kind and tag, and the text of character data. Reached by
// QueryInterface from a DOM node. Children and tags come without reference counting: they
// stay valid while the tree is not changed. (In Gecko it derives from nsINode, which carries
// the document, parent and kind accessors, and Tag() reads the node info inline; here the
// class holds them itself.)
#ifndef nsIContent_h___
#define nsIContent_h___

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIAtom;
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

  // Node kinds, for IsNodeOfType.
  enum {
    eCONTENT = 1 << 0,
    eELEMENT = 1 << 3,
    eTEXT = 1 << 4,  // text and CDATA sections
    ePROCESSING_INSTRUCTION = 1 << 5,
    eCOMMENT = 1 << 6,
    eHTML = 1 << 7,        // an element in the HTML namespace
    eDATA_NODE = 1 << 11,  // character data: text, CDATA, comments, processing instructions
  };

  // Whether the node is of every kind in `aFlags`.
  virtual PRBool IsNodeOfType(PRUint32 aFlags) const = 0;
  // An element's local name (lower case for HTML); "#text", "#cdata-section", "#comment" or a
  // processing instruction's target for character data.
  virtual nsIAtom* Tag() const = 0;
  // Character data's length and text, appended to `aResult`; 0 and nothing for an element.
  virtual PRUint32 TextLength() const = 0;
  virtual void AppendTextTo(nsAString& aResult) = 0;

  // The document that owns the node, also while it is not in the tree.
  virtual nsIDocument* GetOwnerDoc() const = 0;
  // The document whose tree the node is in, or null.
  virtual nsIDocument* GetCurrentDoc() const = 0;
  virtual nsIContent* GetParent() const = 0;
  virtual PRUint32 GetChildCount() const = 0;
  virtual nsIContent* GetChildAt(PRUint32 aIndex) const = 0;
  // All children at once, `*aChildCount` of them; valid only while the tree does not change
  // (nothing may run that could change it). With no children the pointer is not to be read.
  virtual nsIContent* const* GetChildArray(PRUint32* aChildCount) const = 0;
  // For anonymous content: the element whose binding created it; otherwise null.
  virtual nsIContent* GetBindingParent() const = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIContent, NS_ICONTENT_IID)

#endif
