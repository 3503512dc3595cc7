// <img>. Width and height are numbers: the attribute when the markup gives one, otherwise the
// size the picture shows at (LayoutQuery::imageSize: its laid-out content box, or its natural
// size when it has no image box), otherwise 0 (a broken image showing its alt text, or a
// document that is not shown).
#ifndef GECKOHOST_DOM_HTMLIMAGEELEMENT_H
#define GECKOHOST_DOM_HTMLIMAGEELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLImageElement.h"

namespace geckohost::dom {

class HTMLImageElement final : public HTMLElement, public nsIDOMHTMLImageElement {
 public:
  explicit HTMLImageElement(Document& document) : HTMLElement(document, u"img") {}

  int32_t width();
  int32_t height();
  std::u16string src() const { return urlAttribute(u"src"); }
  bool isMap() const { return boolAttribute(u"ismap"); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLImageElement)
  NS_DECL_NSIDOMHTMLIMAGEELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;

 private:
  nsSize shownSize();
};

}  // namespace geckohost::dom

#endif
