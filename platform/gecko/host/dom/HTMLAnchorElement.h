// <a>: a link (with href) or a named anchor (with name).
#ifndef GECKOHOST_DOM_HTMLANCHORELEMENT_H
#define GECKOHOST_DOM_HTMLANCHORELEMENT_H

#include "dom/HTMLHyperlinkElement.h"
#include "nsIDOMHTMLAnchorElement.h"

namespace geckohost::dom {

class HTMLAnchorElement final : public HTMLHyperlinkElement, public nsIDOMHTMLAnchorElement {
 public:
  explicit HTMLAnchorElement(Document& document) : HTMLHyperlinkElement(document, u"a") {}

  // The link's text: the text of all its descendants, as written.
  std::u16string text() const { return *textContent(); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLAnchorElement)
  NS_DECL_NSIDOMHTMLANCHORELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
