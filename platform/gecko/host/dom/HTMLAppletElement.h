// <applet>: a Java applet; height and width are the attributes' text, the spaces numbers.
#ifndef GECKOHOST_DOM_HTMLAPPLETELEMENT_H
#define GECKOHOST_DOM_HTMLAPPLETELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLAppletElement.h"

namespace geckohost::dom {

class HTMLAppletElement final : public HTMLElement, public nsIDOMHTMLAppletElement {
 public:
  explicit HTMLAppletElement(Document& document) : HTMLElement(document, u"applet") {}

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLAppletElement)
  NS_DECL_NSIDOMHTMLAPPLETELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
