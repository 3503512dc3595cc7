// <body>: the presentational colours and background of the page.
#ifndef GECKOHOST_DOM_HTMLBODYELEMENT_H
#define GECKOHOST_DOM_HTMLBODYELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLBodyElement.h"

namespace geckohost::dom {

class HTMLBodyElement final : public HTMLElement, public nsIDOMHTMLBodyElement {
 public:
  explicit HTMLBodyElement(Document& document) : HTMLElement(document, u"body") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLBodyElement)
  NS_DECL_NSIDOMHTMLBODYELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
