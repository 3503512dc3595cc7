// An element in the XUL namespace: the boxes, buttons and text of chrome documents.
#ifndef GECKOHOST_DOM_XULELEMENT_H
#define GECKOHOST_DOM_XULELEMENT_H

#include "dom/Element.h"
#include "nsIDOMXULElement.h"

namespace geckohost::dom {

class XULElement : public Element, public nsIDOMXULElement {
 public:
  XULElement(Document& document, std::u16string_view prefix, std::u16string_view localName);

  // Live list of the descendants whose attribute `name` is `value` ("*": any value).
  RefPtr<ElementList> getElementsByAttribute(std::u16string_view name, std::u16string_view value);

  // hidden="true" and collapsed="true" take the element out of the layout; XUL boolean
  // attributes are "true" or absent, unlike HTML's present-or-absent.
  bool isHidden() const { return stringAttribute(u"hidden") == u"true"; }
  bool isCollapsed() const { return stringAttribute(u"collapsed") == u"true"; }

  nsIDOMElement* asDOMElement() override { return static_cast<nsIDOMXULElement*>(this); }

  // nsISupports, nsIDOMNode, nsIDOMElement
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Element)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_FORWARD_NSIDOMELEMENT(Element::)
  NS_DECL_NSIDOMXULELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
