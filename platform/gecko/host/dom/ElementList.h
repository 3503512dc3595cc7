// A live list of the elements below a root that satisfy a test, in tree order: what
// getElementsByTagName, getElementsByName, document.forms, table.rows and their kin return.
//
// The list keeps its root alive and remembers its answer until the tree changes anywhere
// (Node::treeGeneration), so walking it item by item costs one tree walk, not one per item.
//
//   RefPtr<ElementList> divs = ElementList::byTagName(document, u"div");
//   divs->length();              // 2
//   body->appendChild(*newDiv);
//   divs->length();              // 3
#ifndef GECKOHOST_DOM_ELEMENTLIST_H
#define GECKOHOST_DOM_ELEMENTLIST_H

#include <functional>
#include <string>
#include <vector>

#include "dom/Element.h"
#include "dom/NodeList.h"
#include "nsIDOMHTMLCollection.h"

namespace geckohost::dom {

class ElementList final : public NodeList, public nsIDOMHTMLCollection {
 public:
  using Matcher = std::function<bool(const Element&)>;
  // Fills the list from the root, for lists whose order is not tree order (table.rows).
  using Collector = std::function<void(Node& root, std::vector<Element*>& out)>;
  // Descendants: the whole subtree below the root. Children: the root's own children only.
  enum class Scope { Descendants, Children };

  ElementList(Node& root, Matcher matcher, Scope scope = Scope::Descendants);
  ElementList(Node& root, Collector collector) : mRoot(&root), mCollector(std::move(collector)) {}

  // Elements whose qualified name is `name`; "*" takes every element.
  static RefPtr<ElementList> byTagName(Node& root, std::u16string name);
  // The test byTagName applies.
  static Matcher tagNameMatcher(std::u16string name);
  // Elements of a namespace and local name; "*" is a wildcard for either.
  static RefPtr<ElementList> byTagNameNS(Node& root, std::u16string_view namespaceURI,
                                         std::u16string_view localName);
  // Elements carrying every one of `classNames`.
  static RefPtr<ElementList> byClassNames(Node& root, std::vector<std::u16string> classNames);

  // Elements whose attribute `name` (in `namespaceURI`, "*" for any) has `value`; the value
  // "*" matches any element that has the attribute (XUL's getElementsByAttribute).
  static RefPtr<ElementList> byAttribute(Node& root, std::u16string_view namespaceURI,
                                         std::u16string_view name, std::u16string_view value);

  Node& root() const { return *mRoot; }

  // The first element whose id, or else whose name, is `name` (HTMLCollection.namedItem).
  Element* namedItem(std::u16string_view name);

  // NodeList
  uint32_t length() override;
  Element* item(uint32_t index) override;

  // nsISupports, and nsIDOMHTMLCollection over the same answers as nsIDOMNodeList
  NS_IMETHOD_(nsrefcnt) AddRef() override { return NodeList::AddRef(); }
  NS_IMETHOD_(nsrefcnt) Release() override { return NodeList::Release(); }
  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override {
    return NodeList::QueryInterface(aIID, aResult);
  }
  NS_DECL_NSIDOMHTMLCOLLECTION

 protected:
  void* interfaceFor(const nsIID& iid) override;

 private:
  void refreshIfStale();

  RefPtr<Node> mRoot;
  Collector mCollector;
  std::vector<Element*> mElements;  // weak: valid while the tree generation is unchanged
  uint64_t mGeneration = UINT64_MAX;
};

}  // namespace geckohost::dom

#endif
