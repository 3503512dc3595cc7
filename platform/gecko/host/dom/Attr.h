// An attribute node. Elements keep their attributes as these nodes, in source order, so the
// DOM hands out the same Attr object every time it is asked for the same attribute.
#ifndef GECKOHOST_DOM_ATTR_H
#define GECKOHOST_DOM_ATTR_H

#include "dom/Namespace.h"
#include "dom/Node.h"
#include "nsIDOMAttr.h"

namespace geckohost::dom {

class Attr final : public Node, public nsIDOMAttr {
 public:
  Attr(Document& document, std::u16string_view namespaceURI, std::u16string_view prefix,
       std::u16string_view localName, std::u16string_view value);

  const std::u16string& localName() const { return mLocalName; }
  const std::u16string& prefix() const { return mPrefix; }
  const std::u16string& namespaceURI() const { return mNamespaceURI; }
  Namespace ns() const { return mNamespace; }
  // "xlink:href", or the local name when there is no prefix.
  std::u16string qualifiedName() const;

  const std::u16string& value() const { return mValue; }
  // Changes the value and tells the owner element, which may derive state from it.
  void setValue(std::u16string_view value);

  // The element that has this attribute (weak; it owns us), or null for a free attribute.
  Element* ownerElement() const { return mOwnerElement; }

  // Node
  std::u16string nodeName() const override { return qualifiedName(); }
  const std::u16string* storedNodeValue() const override { return &mValue; }
  void setNodeValue(std::u16string_view value) override { setValue(value); }

  nsIDOMNode* asDOMNode() override { return static_cast<nsIDOMAttr*>(this); }

  // nsISupports, nsIDOMNode
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Node)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_DECL_NSIDOMATTR

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override;
  void* interfaceFor(const nsIID& iid) override;

 private:
  friend class Element;
  // Sets the value without telling the owner (the owner is the one setting it).
  void assignValue(std::u16string_view value) { mValue = value; }

  std::u16string mNamespaceURI;
  Namespace mNamespace;
  std::u16string mPrefix;
  std::u16string mLocalName;
  std::u16string mValue;
  Element* mOwnerElement = nullptr;  // weak; set and cleared by the element
};

}  // namespace geckohost::dom

#endif
