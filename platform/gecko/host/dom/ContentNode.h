// The nodes that are content in Gecko's sense (elements and character data, not documents or
// attributes): they answer nsIContent, which layout and the product use to reach a node's
// document and children without the DOM interfaces.
#ifndef GECKOHOST_DOM_CONTENTNODE_H
#define GECKOHOST_DOM_CONTENTNODE_H

#include "dom/Node.h"
#include "nsIContent.h"

namespace geckohost::dom {

class ContentNode : public Node, public nsIContent {
 public:
  // The element whose anonymous content this node belongs to; null for ordinary content.
  Element* bindingParent() const;

  // Node
  nsIContent* asContent() override { return this; }

  // nsISupports
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Node)
  // nsIContent
  nsIDocument* GetOwnerDoc() const override;
  nsIDocument* GetCurrentDoc() const override;
  nsIContent* GetParent() const override;
  PRUint32 GetChildCount() const override { return childCount(); }
  nsIContent* GetChildAt(PRUint32 aIndex) const override;
  nsIContent* const* GetChildArray(PRUint32* aChildCount) const override;
  nsIContent* GetBindingParent() const override;
  PRBool IsNodeOfType(PRUint32 aFlags) const override;
  // Elements and character data answer their own.
  nsIAtom* Tag() const override = 0;
  PRUint32 TextLength() const override { return 0; }
  void AppendTextTo(nsAString&) override {}

 protected:
  using Node::Node;

  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
