// <thead>, <tbody>, <tfoot>: a group of rows.
#ifndef GECKOHOST_DOM_HTMLTABLESECTIONELEMENT_H
#define GECKOHOST_DOM_HTMLTABLESECTIONELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTableSectionElement.h"

namespace geckohost::dom {

class HTMLTableRowElement;

class HTMLTableSectionElement final : public HTMLElement, public nsIDOMHTMLTableSectionElement {
 public:
  HTMLTableSectionElement(Document& document, std::u16string_view localName)
      : HTMLElement(document, localName) {}

  // Live list of the row children.
  RefPtr<ElementList> rows();
  // A new row before row `index`, or last for -1 or the row count. IndexSize otherwise.
  RefPtr<HTMLTableRowElement> insertRow(int32_t index, DOMError& error);
  DOMError deleteRow(int32_t index);

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTableSectionElement)
  NS_DECL_NSIDOMHTMLTABLESECTIONELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
