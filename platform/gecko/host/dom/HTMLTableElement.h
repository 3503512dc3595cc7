// <table>: its caption, sections and rows, and the DOM's editing of them.
//
// rows lists the head's rows first, then the rows of the bodies and the table's own rows in
// document order, then the foot's rows, wherever the foot is written:
//
//   <table><tfoot><tr id=f></tfoot><tbody><tr id=b></tbody><thead><tr id=h></thead></table>
//   rows: h, b, f
#ifndef GECKOHOST_DOM_HTMLTABLEELEMENT_H
#define GECKOHOST_DOM_HTMLTABLEELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLTableElement.h"

namespace geckohost::dom {

class HTMLTableRowElement;

class HTMLTableElement final : public HTMLElement, public nsIDOMHTMLTableElement {
 public:
  explicit HTMLTableElement(Document& document) : HTMLElement(document, u"table") {}

  // The first caption, thead and tfoot children; null without one.
  HTMLElement* caption() const { return firstChildNamed(u"caption"); }
  HTMLElement* tHead() const { return firstChildNamed(u"thead"); }
  HTMLElement* tFoot() const { return firstChildNamed(u"tfoot"); }
  // Live lists of the tbody children and of all rows (order above).
  RefPtr<ElementList> tBodies();
  RefPtr<ElementList> rows();

  // The existing caption/thead/tfoot, or a new one put where it belongs.
  RefPtr<HTMLElement> createCaption();
  RefPtr<HTMLElement> createTHead();
  RefPtr<HTMLElement> createTFoot();
  void deleteCaption() { removeFirstChildNamed(u"caption"); }
  void deleteTHead() { removeFirstChildNamed(u"thead"); }
  void deleteTFoot() { removeFirstChildNamed(u"tfoot"); }

  // Inserts a new row before row `index` of rows(), or at the end for -1 or the row count
  // (into the last body, made if there is none). IndexSize outside -1..count.
  RefPtr<HTMLTableRowElement> insertRow(int32_t index, DOMError& error);
  // Removes row `index` of rows(); -1 removes the last. IndexSize outside the rows.
  DOMError deleteRow(int32_t index);

  // The rows in the order rows() lists them.
  std::vector<Element*> collectRows() const;

  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLTableElement)
  NS_DECL_NSIDOMHTMLTABLEELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;

 private:
  HTMLElement* firstChildNamed(std::u16string_view localName) const;
  void removeFirstChildNamed(std::u16string_view localName);
  RefPtr<HTMLElement> makeChild(std::u16string_view localName);
  // Puts `part` (which must be the HTML element `localName`) in the place of the current one.
  nsresult replacePart(nsIDOMHTMLElement* part, std::u16string_view localName);
  Node* placeForHead() const;
};

}  // namespace geckohost::dom

#endif
