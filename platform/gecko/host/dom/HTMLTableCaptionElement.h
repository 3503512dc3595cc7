// <caption>: the caption of a table.
#ifndef GECKOHOST_DOM_HTMLTABLECAPTIONELEMENT_H
#define GECKOHOST_DOM_HTMLTABLECAPTIONELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTableCaptionElement.h"

namespace geckohost::dom {

class HTMLTableCaptionElement final : public HTMLElement, public nsIDOMHTMLTableCaptionElement {
 public:
  explicit HTMLTableCaptionElement(Document& document) : HTMLElement(document, u"caption") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTableCaptionElement)
  NS_DECL_NSIDOMHTMLTABLECAPTIONELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
