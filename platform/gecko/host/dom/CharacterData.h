// Text-bearing nodes (text, CDATA sections, comments, processing instructions): the data and the
// DOM's offset-based editing, in UTF-16 code units as the DOM counts them.
#ifndef GECKOHOST_DOM_CHARACTERDATA_H
#define GECKOHOST_DOM_CHARACTERDATA_H

#include "dom/ContentNode.h"
#include "nsIDOMCharacterData.h"

namespace geckohost::dom {

class CharacterData : public ContentNode, public nsIDOMCharacterData {
 public:
  const std::u16string& data() const { return mData; }
  void setData(std::u16string_view data);
  uint32_t length() const { return uint32_t(mData.size()); }

  // Offsets beyond the length fail with IndexSize; counts reaching past the end are clipped.
  // substringData("hello", 1, 3) -> "ell"; substringData("hello", 3, 99) -> "lo".
  DOMError substringData(uint32_t offset, uint32_t count, std::u16string& out) const;
  void appendData(std::u16string_view data);
  DOMError insertData(uint32_t offset, std::u16string_view data);
  DOMError deleteData(uint32_t offset, uint32_t count);
  DOMError replaceData(uint32_t offset, uint32_t count, std::u16string_view data);

  // Node
  const std::u16string* storedNodeValue() const override { return &mData; }
  void setNodeValue(std::u16string_view value) override { setData(value); }

  // The node as nsIDOMCharacterData, of its most derived chain (see Node::asDOMNode).
  virtual nsIDOMCharacterData* asDOMCharacterData() { return this; }
  nsIDOMNode* asDOMNode() override { return asDOMCharacterData(); }

  // nsIContent
  nsIAtom* Tag() const override;
  PRUint32 TextLength() const override { return length(); }
  void AppendTextTo(nsAString& aResult) override;

  // nsISupports, nsIDOMNode
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(ContentNode)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_DECL_NSIDOMCHARACTERDATA

 protected:
  CharacterData(NodeType type, Document& document, std::u16string_view data)
      : ContentNode(type, &document), mData(data) {}

  // Node
  void* interfaceFor(const nsIID& iid) override;

  // Called after the data changed, for nodes whose parent derives state from it.
  void dataChanged();

 private:
  std::u16string mData;
};

}  // namespace geckohost::dom

#endif
