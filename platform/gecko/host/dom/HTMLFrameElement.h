// <frame>: one pane of a frameset, showing its own document.
#ifndef GECKOHOST_DOM_HTMLFRAMEELEMENT_H
#define GECKOHOST_DOM_HTMLFRAMEELEMENT_H

#include "dom/HTMLFrameOwnerElement.h"
#include "nsIDOMHTMLFrameElement.h"

namespace geckohost::dom {

class HTMLFrameElement final : public HTMLFrameOwnerElement, public nsIDOMHTMLFrameElement {
 public:
  explicit HTMLFrameElement(Document& document) : HTMLFrameOwnerElement(document, u"frame") {}

  // noresize is present or absent; src resolves against the page.
  bool noResize() const { return boolAttribute(u"noresize"); }
  std::u16string src() const { return urlAttribute(u"src"); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLFrameElement)
  NS_DECL_NSIDOMHTMLFRAMEELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
