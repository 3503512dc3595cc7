// A list fixed when it is made (the anonymous nodes of an element), holding its nodes.
#ifndef GECKOHOST_DOM_STATICNODELIST_H
#define GECKOHOST_DOM_STATICNODELIST_H

#include <vector>

#include "dom/Node.h"
#include "dom/NodeList.h"

namespace geckohost::dom {

class StaticNodeList final : public NodeList {
 public:
  explicit StaticNodeList(std::vector<RefPtr<Node>> nodes) : mNodes(std::move(nodes)) {}

  // NodeList
  uint32_t length() override { return uint32_t(mNodes.size()); }
  Node* item(uint32_t index) override {
    return index < mNodes.size() ? mNodes[index].get() : nullptr;
  }

 private:
  std::vector<RefPtr<Node>> mNodes;
};

}  // namespace geckohost::dom

#endif
