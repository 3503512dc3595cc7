// <script>. Its text is the data of its text children (not of deeper descendants).
#ifndef GECKOHOST_DOM_HTMLSCRIPTELEMENT_H
#define GECKOHOST_DOM_HTMLSCRIPTELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLScriptElement.h"

namespace geckohost::dom {

class HTMLScriptElement final : public HTMLElement, public nsIDOMHTMLScriptElement {
 public:
  explicit HTMLScriptElement(Document& document) : HTMLElement(document, u"script") {}

  std::u16string text() const;
  // Replaces the children by one text node with `text`.
  void setText(std::u16string_view text) { setTextContent(text); }

 public:
  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLScriptElement)
  NS_DECL_NSIDOMHTMLSCRIPTELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
