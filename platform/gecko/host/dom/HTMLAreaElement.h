// <area>: one region of an image map; its link behaviour is the hyperlink base's.
#ifndef GECKOHOST_DOM_HTMLAREAELEMENT_H
#define GECKOHOST_DOM_HTMLAREAELEMENT_H

#include "dom/HTMLHyperlinkElement.h"
#include "nsIDOMHTMLAreaElement.h"

namespace geckohost::dom {

class HTMLAreaElement final : public HTMLHyperlinkElement, public nsIDOMHTMLAreaElement {
 public:
  explicit HTMLAreaElement(Document& document) : HTMLHyperlinkElement(document, u"area") {}

  // An area with nohref is a hole in the map, not a link.
  bool noHref() const { return boolAttribute(u"nohref"); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLAreaElement)
  NS_DECL_NSIDOMHTMLAREAELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
