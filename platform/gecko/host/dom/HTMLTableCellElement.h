// <td> and <th>: a cell, its position in its row and its spans.
#ifndef GECKOHOST_DOM_HTMLTABLECELLELEMENT_H
#define GECKOHOST_DOM_HTMLTABLECELLELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTableCellElement.h"

namespace geckohost::dom {

class HTMLTableCellElement final : public HTMLElement, public nsIDOMHTMLTableCellElement {
 public:
  HTMLTableCellElement(Document& document, std::u16string_view localName)
      : HTMLElement(document, localName) {}

  // Position among the cells of the parent row; -1 when the parent is not a row.
  int32_t cellIndex() const;
  int32_t colSpan() const { return intAttribute(u"colspan", 1); }
  int32_t rowSpan() const { return intAttribute(u"rowspan", 1); }

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTableCellElement)
  NS_DECL_NSIDOMHTMLTABLECELLELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
