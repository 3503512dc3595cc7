// <frameset>: the sizes of its columns and rows, as written ("100,*").
#ifndef GECKOHOST_DOM_HTMLFRAMESETELEMENT_H
#define GECKOHOST_DOM_HTMLFRAMESETELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLFrameSetElement.h"

namespace geckohost::dom {

class HTMLFrameSetElement final : public HTMLElement, public nsIDOMHTMLFrameSetElement {
 public:
  explicit HTMLFrameSetElement(Document& document) : HTMLElement(document, u"frameset") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLFrameSetElement)
  NS_DECL_NSIDOMHTMLFRAMESETELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
