// A comment node; kept in the tree (the product skips it when it lists children).
#ifndef GECKOHOST_DOM_COMMENT_H
#define GECKOHOST_DOM_COMMENT_H

#include "dom/CharacterData.h"

namespace geckohost::dom {

class Comment final : public CharacterData {
 public:
  Comment(Document& document, std::u16string_view data)
      : CharacterData(NodeType::Comment, document, data) {}

  // Node
  std::u16string nodeName() const override { return u"#comment"; }

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new Comment(document, data());
  }
};

}  // namespace geckohost::dom

#endif
