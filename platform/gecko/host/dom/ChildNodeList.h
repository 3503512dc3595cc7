// childNodes: the children of one node, read from the node itself at each call.
#ifndef GECKOHOST_DOM_CHILDNODELIST_H
#define GECKOHOST_DOM_CHILDNODELIST_H

#include "dom/Node.h"
#include "dom/NodeList.h"

namespace geckohost::dom {

class ChildNodeList final : public NodeList {
 public:
  explicit ChildNodeList(Node& parent) : mParent(&parent) {}

  Node& parent() const { return *mParent; }

  // NodeList
  uint32_t length() override { return mParent->childCount(); }
  Node* item(uint32_t index) override { return mParent->childAt(index); }

 private:
  RefPtr<Node> mParent;
};

}  // namespace geckohost::dom

#endif
