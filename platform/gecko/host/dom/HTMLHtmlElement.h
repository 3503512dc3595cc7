// <html>: the root element of a page.
#ifndef GECKOHOST_DOM_HTMLHTMLELEMENT_H
#define GECKOHOST_DOM_HTMLHTMLELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLHtmlElement.h"

namespace geckohost::dom {

class HTMLHtmlElement final : public HTMLElement, public nsIDOMHTMLHtmlElement {
 public:
  explicit HTMLHtmlElement(Document& document) : HTMLElement(document, u"html") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLHtmlElement)
  NS_DECL_NSIDOMHTMLHTMLELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
