// <form>: its listed controls (form.elements), reset, and the submission attributes with
// Gecko 1.9.2's defaults.
#ifndef GECKOHOST_DOM_HTMLFORMELEMENT_H
#define GECKOHOST_DOM_HTMLFORMELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLFormElement.h"

namespace geckohost::dom {

class HTMLFormElement final : public HTMLElement, public nsIDOMHTMLFormElement {
 public:
  explicit HTMLFormElement(Document& document) : HTMLElement(document, u"form") {}

  // Live list of the controls whose form this is, in tree order: buttons, inputs (but not
  // image inputs), objects, selects, text areas, fieldsets.
  RefPtr<ElementList> elements();
  uint32_t length();

  // Puts every control back to the state its markup gives.
  void reset();

  // The action resolved against the page; the page's own URL when there is none.
  std::u16string action() const;
  // "get" or "post" (default "get").
  std::u16string method() const;
  // "application/x-www-form-urlencoded" (default), "multipart/form-data" or "text/plain".
  std::u16string enctype() const;

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLFormElement)
  NS_DECL_NSIDOMHTMLFORMELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
