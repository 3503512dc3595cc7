// <object>: a plug-in, an image or (type text/html) a nested document; a form control too.
#ifndef GECKOHOST_DOM_HTMLOBJECTELEMENT_H
#define GECKOHOST_DOM_HTMLOBJECTELEMENT_H

#include "dom/HTMLFrameOwnerElement.h"
#include "nsIDOMHTMLObjectElement.h"

namespace geckohost::dom {

class HTMLObjectElement final : public HTMLFrameOwnerElement, public nsIDOMHTMLObjectElement {
 public:
  explicit HTMLObjectElement(Document& document) : HTMLFrameOwnerElement(document, u"object") {}

  // The data URL resolved against the page; the MIME type as written.
  std::u16string data() const { return urlAttribute(u"data"); }
  std::u16string type() const { return stringAttribute(u"type"); }

  // HTMLElement
  bool isListedFormControl() const override { return true; }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLObjectElement)
  NS_DECL_NSIDOMHTMLOBJECTELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
