// <iframe>: an inline frame showing its own document within the page's flow.
#ifndef GECKOHOST_DOM_HTMLIFRAMEELEMENT_H
#define GECKOHOST_DOM_HTMLIFRAMEELEMENT_H

#include "dom/HTMLFrameOwnerElement.h"
#include "nsIDOMHTMLIFrameElement.h"

namespace geckohost::dom {

class HTMLIFrameElement final : public HTMLFrameOwnerElement, public nsIDOMHTMLIFrameElement {
 public:
  explicit HTMLIFrameElement(Document& document) : HTMLFrameOwnerElement(document, u"iframe") {}

  std::u16string src() const { return urlAttribute(u"src"); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLIFrameElement)
  NS_DECL_NSIDOMHTMLIFRAMEELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
