// <map>: a named image map whose regions are its area descendants.
#ifndef GECKOHOST_DOM_HTMLMAPELEMENT_H
#define GECKOHOST_DOM_HTMLMAPELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLMapElement.h"

namespace geckohost::dom {

class HTMLMapElement final : public HTMLElement, public nsIDOMHTMLMapElement {
 public:
  explicit HTMLMapElement(Document& document) : HTMLElement(document, u"map") {}

  // Live list of the area elements inside the map.
  RefPtr<ElementList> areas();

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLMapElement)
  NS_DECL_NSIDOMHTMLMAPELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
