// A lightweight container whose children move, not itself, when it is inserted somewhere.
#ifndef GECKOHOST_DOM_DOCUMENTFRAGMENT_H
#define GECKOHOST_DOM_DOCUMENTFRAGMENT_H

#include "dom/Node.h"

namespace geckohost::dom {

class DocumentFragment final : public Node {
 public:
  explicit DocumentFragment(Document& document) : Node(NodeType::DocumentFragment, &document) {}

  // Node
  std::u16string nodeName() const override { return u"#document-fragment"; }

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new DocumentFragment(document);
  }
};

}  // namespace geckohost::dom

#endif
