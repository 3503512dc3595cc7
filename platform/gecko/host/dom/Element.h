// An element of any namespace: its name, its ordered attributes, the reflection helpers that
// the per-tag classes build their DOM properties on, element navigation, element lists and the
// layout answers of nsIDOMNSElement.
//
// Name rules as in Gecko 1.9.2: tagName is the qualified name, upper-cased for HTML elements
// of HTML documents ("DIV"); localName stays as parsed ("div", "foreignObject"). Attribute names
// given to an HTML element of an HTML document are lower-cased.
#ifndef GECKOHOST_DOM_ELEMENT_H
#define GECKOHOST_DOM_ELEMENT_H

#include <initializer_list>

#include "dom/Attr.h"
#include "dom/ContentNode.h"
#include "dom/Namespace.h"
#include "layout/LayoutQuery.h"
#include "nsIDOMElement.h"
#include "nsIDOMNSElement.h"

namespace geckohost::dom {

class ElementList;
class XULBoxObject;

class Element : public ContentNode, public nsIDOMElement, public nsIDOMNSElement {
 public:
  Element(Document& document, std::u16string_view namespaceURI, std::u16string_view prefix,
          std::u16string_view localName);

  // --- Names --------------------------------------------------------------------------------
  const std::u16string& localName() const { return mLocalName; }
  const std::u16string& prefix() const { return mPrefix; }
  const std::u16string& namespaceURI() const { return mNamespaceURI; }
  Namespace ns() const { return mNamespace; }
  bool isHTML() const { return mNamespace == Namespace::HTML; }
  bool isXUL() const { return mNamespace == Namespace::XUL; }
  // Whether this is the HTML element `localName` ("input", "table", ...).
  bool isHTML(std::u16string_view localName) const { return isHTML() && mLocalName == localName; }
  // Whether this element sits in an HTML (not XUL) document and is itself HTML: the case where
  // names fold to lower case on the way in and tagName is upper case on the way out.
  bool isHTMLInHTMLDocument() const;
  const std::u16string& qualifiedName() const { return mQualifiedName; }
  const std::u16string& tagName() const {
    return isHTMLInHTMLDocument() ? mUpperCaseName : mQualifiedName;
  }

  // --- Attributes (the DOM's methods) ------------------------------------------------------
  uint32_t attributeCount() const { return uint32_t(mAttributes.size()); }
  Attr* attributeAt(uint32_t index) const;
  // Looks up by qualified name ("class", "xlink:href"); null when absent.
  std::optional<std::u16string> getAttribute(std::u16string_view name) const;
  bool hasAttribute(std::u16string_view name) const { return getAttributeNode(name); }
  // InvalidCharacter for a name that is not an XML name; otherwise sets or adds the attribute.
  DOMError setAttribute(std::u16string_view name, std::u16string_view value);
  void removeAttribute(std::u16string_view name);
  Attr* getAttributeNode(std::u16string_view name) const;

  std::optional<std::u16string> getAttributeNS(std::u16string_view namespaceURI,
                                               std::u16string_view localName) const;
  bool hasAttributeNS(std::u16string_view namespaceURI, std::u16string_view localName) const;
  DOMError setAttributeNS(std::u16string_view namespaceURI, std::u16string_view qualifiedName,
                          std::u16string_view value);
  void removeAttributeNS(std::u16string_view namespaceURI, std::u16string_view localName);
  Attr* getAttributeNodeNS(std::u16string_view namespaceURI, std::u16string_view localName) const;

  // Adds `attr`, replacing an attribute of the same name (given back in `replaced`).
  // InUseAttribute when `attr` belongs to another element.
  DOMError setAttributeNode(Attr& attr, RefPtr<Attr>& replaced);
  // NotFound when `attr` is not one of this element's attributes.
  DOMError removeAttributeNode(Attr& attr);

  // --- Attributes (fast paths for attributes in no namespace, by local name) ----------------
  // The value, or null when absent. Used by reflection and by the parsers.
  const std::u16string* attributeValue(std::u16string_view localName) const;
  void setAttributeValue(std::u16string_view localName, std::u16string_view value);
  // Appends an attribute as a parser found it (no name checks; source order is kept).
  void appendParsedAttribute(std::u16string_view namespaceURI, std::u16string_view prefix,
                             std::u16string_view localName, std::u16string_view value);

  // --- Reflection (Gecko 1.9.2's rules for DOM properties backed by attributes) -------------
  // The attribute text, "" when absent.
  std::u16string stringAttribute(std::u16string_view localName) const;
  void setStringAttribute(std::u16string_view localName, std::u16string_view value);
  // Present or absent; the value does not matter (disabled="false" is still disabled).
  bool boolAttribute(std::u16string_view localName) const;
  void setBoolAttribute(std::u16string_view localName, bool on);
  // The attribute read as an integer (" 12px" -> 12), `defaultValue` when absent or unreadable.
  int32_t intAttribute(std::u16string_view localName, int32_t defaultValue) const;
  void setIntAttribute(std::u16string_view localName, int32_t value);
  // The attribute resolved against the document's base URL; "" when absent, the text as written
  // when it cannot be resolved.
  std::u16string urlAttribute(std::u16string_view localName) const;
  // One of `values` (matched ignoring ASCII case, answered as listed), else `defaultValue`.
  // enumAttribute("type", {u"submit", u"reset", u"button"}, u"submit") for type="RESET" -> "reset".
  std::u16string enumAttribute(std::u16string_view localName,
                               std::initializer_list<std::u16string_view> values,
                               std::u16string_view defaultValue) const;

  std::u16string id() const { return stringAttribute(u"id"); }
  std::u16string className() const { return stringAttribute(u"class"); }
  // Whether the class attribute lists `name` among its white-space separated names.
  bool hasClass(std::u16string_view name) const;

  // --- Navigation and lists -----------------------------------------------------------------
  Element* firstElementChild() const;
  Element* lastElementChild() const;
  Element* previousElementSibling() const;
  Element* nextElementSibling() const;
  uint32_t childElementCount() const;

  // Live list of descendants by qualified name ("*" for all). Called on an HTML element of an
  // HTML document, the name is lower-cased first, as Gecko 1.9.2 does.
  RefPtr<ElementList> getElementsByTagName(std::u16string_view name);
  RefPtr<ElementList> getElementsByTagNameNS(std::u16string_view namespaceURI,
                                             std::u16string_view localName);
  // Live list of descendants carrying every class of the white-space separated `names`.
  RefPtr<ElementList> getElementsByClassName(std::u16string_view names);
  // Live list of the element children.
  RefPtr<ElementList> children();

  // --- Anonymous content -------------------------------------------------------------------
  // Content generated for this element (a XUL dialog's button box): hung below this element
  // without being among its children, found through the document's anonymous-node lookup.
  void appendAnonymousChild(Node& child);
  const std::vector<RefPtr<Node>>& anonymousChildren() const { return mAnonymousChildren; }

  // --- Layout answers (zeros when the document is not shown or not laid out) ----------------
  OffsetBox offsetBox();
  ScrollBox scrollBox();
  void scrollTo(int left, int top);
  // Asks the shell to scroll the viewport so this element is visible.
  void scrollIntoView(bool alignToTop);

  // Node
  std::u16string nodeName() const override { return tagName(); }

  // nsIContent
  nsIAtom* Tag() const override { return mTag; }

  // The element as nsIDOMElement, of its most derived chain (see Node::asDOMNode).
  virtual nsIDOMElement* asDOMElement() { return this; }
  nsIDOMNode* asDOMNode() override { return asDOMElement(); }

  // nsISupports, nsIDOMNode
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(ContentNode)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_DECL_NSIDOMELEMENT
  NS_DECL_NSIDOMNSELEMENT

 protected:
  ~Element() override;

  // Called after an attribute in no namespace was added, changed or removed.
  virtual void attributeChanged(std::u16string_view localName) {}
  // Copies the state that is not an attribute (an input's value) into a clone.
  virtual void copyStateTo(Element& copy) const {}

  // Node
  void* interfaceFor(const nsIID& iid) override;
  RefPtr<Node> cloneSelf(Document& document) const override;
  void moveOwnLinkTo(Document& document) override;
  void removedFromDocument(Document& document) override;

  LayoutQuery* layout() const;

 private:
  friend class Attr;
  friend class ElementFactory;
  friend class XULBoxObject;
  void setPrefix(std::u16string_view prefix);
  void attributeNodeChanged(Attr& attr);
  int findAttribute(std::u16string_view qualifiedName) const;
  int findAttributeNS(std::u16string_view namespaceURI, std::u16string_view localName) const;
  std::u16string foldAttributeName(std::u16string_view name) const;
  void addAttribute(RefPtr<Attr> attr);
  void removeAttributeAt(uint32_t index);
  // Tells the document's id map when `attr` (no namespace) is this element's id.
  void refileIdIfChanged(const Attr& attr);

  std::u16string mNamespaceURI;
  Namespace mNamespace;
  std::u16string mPrefix;
  std::u16string mLocalName;
  nsIAtom* mTag;  // the local name's atom, permanent
  // The names asked for on every tag test, made once: an element's name never changes after
  // its creation (the factory may still set the prefix, through setPrefix).
  std::u16string mQualifiedName;
  std::u16string mUpperCaseName;
  std::vector<RefPtr<Attr>> mAttributes;
  std::vector<RefPtr<Node>> mAnonymousChildren;
  XULBoxObject* mBoxObject = nullptr;  // weak; the box object holds us and clears this
};

}  // namespace geckohost::dom

#endif
