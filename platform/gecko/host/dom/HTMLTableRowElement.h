// <tr>: its position in its table and section, and its cells.
#ifndef GECKOHOST_DOM_HTMLTABLEROWELEMENT_H
#define GECKOHOST_DOM_HTMLTABLEROWELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTableRowElement.h"

namespace geckohost::dom {

class HTMLTableElement;

class HTMLTableRowElement final : public HTMLElement, public nsIDOMHTMLTableRowElement {
 public:
  explicit HTMLTableRowElement(Document& document) : HTMLElement(document, u"tr") {}

  // The table the row belongs to: its parent, or its section's parent.
  HTMLTableElement* table() const;
  // Position in the table's rows; -1 outside a table.
  int32_t rowIndex() const;
  // Position among the rows of its section (or of the table it sits in directly); -1 when
  // its parent is neither.
  int32_t sectionRowIndex() const;

  // Live list of the td and th children.
  RefPtr<ElementList> cells();
  // A new td before cell `index`, or last for -1 or the cell count. IndexSize otherwise.
  RefPtr<HTMLElement> insertCell(int32_t index, DOMError& error);
  DOMError deleteCell(int32_t index);

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTableRowElement)
  NS_DECL_NSIDOMHTMLTABLEROWELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
