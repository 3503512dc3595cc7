// <button>: a form control whose type is "submit" unless it says "reset" or "button".
#ifndef GECKOHOST_DOM_HTMLBUTTONELEMENT_H
#define GECKOHOST_DOM_HTMLBUTTONELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLButtonElement.h"

namespace geckohost::dom {

class HTMLButtonElement final : public HTMLElement, public nsIDOMHTMLButtonElement {
 public:
  explicit HTMLButtonElement(Document& document) : HTMLElement(document, u"button") {}

  std::u16string type() const {
    return enumAttribute(u"type", {u"submit", u"reset", u"button"}, u"submit");
  }

  // HTMLElement
  bool isListedFormControl() const override { return true; }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLButtonElement)
  NS_DECL_NSIDOMHTMLBUTTONELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
