// A processing instruction, as XUL files carry them (<?xml-stylesheet href="..."?>). As in
// Gecko 1.9.2 it is not nsIDOMCharacterData, though it keeps its data the same way.
#ifndef GECKOHOST_DOM_PROCESSINGINSTRUCTION_H
#define GECKOHOST_DOM_PROCESSINGINSTRUCTION_H

#include "dom/CharacterData.h"

namespace geckohost::dom {

class ProcessingInstruction final : public CharacterData {
 public:
  ProcessingInstruction(Document& document, std::u16string_view target, std::u16string_view data)
      : CharacterData(NodeType::ProcessingInstruction, document, data), mTarget(target) {}

  const std::u16string& target() const { return mTarget; }

  // Node
  std::u16string nodeName() const override { return mTarget; }

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new ProcessingInstruction(document, mTarget, data());
  }
  void* interfaceFor(const nsIID& iid) override { return ContentNode::interfaceFor(iid); }

 private:
  std::u16string mTarget;
};

}  // namespace geckohost::dom

#endif
