// A text node (and the base of CDATA sections, which the DOM treats as text).
#ifndef GECKOHOST_DOM_TEXT_H
#define GECKOHOST_DOM_TEXT_H

#include "dom/CharacterData.h"
#include "nsIDOMText.h"

namespace geckohost::dom {

class Text : public CharacterData, public nsIDOMText {
 public:
  Text(Document& document, std::u16string_view data)
      : CharacterData(NodeType::Text, document, data) {}

  // Cuts the data at `offset`: this node keeps the head, a new node with the tail follows it.
  // "hello".splitText(2) -> this "he", the new node "llo". IndexSize beyond the length.
  RefPtr<Text> splitText(uint32_t offset, DOMError& error);

  // Node
  std::u16string nodeName() const override { return u"#text"; }

  nsIDOMCharacterData* asDOMCharacterData() override { return static_cast<nsIDOMText*>(this); }

  // nsISupports, nsIDOMNode, nsIDOMCharacterData
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(CharacterData)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_FORWARD_NSIDOMCHARACTERDATA(CharacterData::)
  NS_DECL_NSIDOMTEXT

 protected:
  Text(NodeType type, Document& document, std::u16string_view data)
      : CharacterData(type, document, data) {}

  RefPtr<Node> cloneSelf(Document& document) const override;
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
