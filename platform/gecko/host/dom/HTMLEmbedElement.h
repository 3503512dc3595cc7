// <embed>: a plug-in; height and width are the attributes' text.
#ifndef GECKOHOST_DOM_HTMLEMBEDELEMENT_H
#define GECKOHOST_DOM_HTMLEMBEDELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLEmbedElement.h"

namespace geckohost::dom {

class HTMLEmbedElement final : public HTMLElement, public nsIDOMHTMLEmbedElement {
 public:
  explicit HTMLEmbedElement(Document& document) : HTMLElement(document, u"embed") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLEmbedElement)
  NS_DECL_NSIDOMHTMLEMBEDELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
