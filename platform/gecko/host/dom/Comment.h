// A comment node; kept in the tree (the product skips it when it lists children).
#ifndef GECKOHOST_DOM_COMMENT_H
#define GECKOHOST_DOM_COMMENT_H

#include "dom/CharacterData.h"
#include "nsIDOMComment.h"

namespace geckohost::dom {

class Comment final : public CharacterData, public nsIDOMComment {
 public:
  Comment(Document& document, std::u16string_view data)
      : CharacterData(NodeType::Comment, document, data) {}

  // Node
  std::u16string nodeName() const override { return u"#comment"; }

  nsIDOMCharacterData* asDOMCharacterData() override { return static_cast<nsIDOMComment*>(this); }

  // nsISupports, nsIDOMNode, nsIDOMCharacterData (nsIDOMComment adds nothing)
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(CharacterData)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_FORWARD_NSIDOMCHARACTERDATA(CharacterData::)

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new Comment(document, data());
  }
  void* interfaceFor(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMComment)))
      return static_cast<nsIDOMComment*>(this);
    return CharacterData::interfaceFor(iid);
  }
};

}  // namespace geckohost::dom

#endif
