// A lightweight container whose children move, not itself, when it is inserted somewhere.
#ifndef GECKOHOST_DOM_DOCUMENTFRAGMENT_H
#define GECKOHOST_DOM_DOCUMENTFRAGMENT_H

#include "dom/Node.h"
#include "nsIDOMDocumentFragment.h"

namespace geckohost::dom {

class DocumentFragment final : public Node, public nsIDOMDocumentFragment {
 public:
  explicit DocumentFragment(Document& document) : Node(NodeType::DocumentFragment, &document) {}

  // Node
  std::u16string nodeName() const override { return u"#document-fragment"; }

  nsIDOMNode* asDOMNode() override { return static_cast<nsIDOMDocumentFragment*>(this); }

  // nsISupports, nsIDOMNode (nsIDOMDocumentFragment adds nothing)
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Node)
  NS_FORWARD_NSIDOMNODE(Node::)

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new DocumentFragment(document);
  }
  void* interfaceFor(const nsIID& iid) override {
    return iid.Equals(NS_GET_IID(nsIDOMDocumentFragment))
               ? static_cast<nsIDOMDocumentFragment*>(this)
               : nullptr;
  }
};

}  // namespace geckohost::dom

#endif
