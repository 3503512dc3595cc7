// <option>: its selectedness (starting from the selected attribute, which it follows until
// it is set directly), its index among its select's options, its text and value.
#ifndef GECKOHOST_DOM_HTMLOPTIONELEMENT_H
#define GECKOHOST_DOM_HTMLOPTIONELEMENT_H

#include "dom/HTMLElement.h"
#include "nsIDOMHTMLOptionElement.h"

namespace geckohost::dom {

class HTMLSelectElement;

class HTMLOptionElement final : public HTMLElement, public nsIDOMHTMLOptionElement {
 public:
  explicit HTMLOptionElement(Document& document) : HTMLElement(document, u"option") {}

  // The select this option belongs to: its parent, or its optgroup's parent.
  HTMLSelectElement* ownerSelect() const;

  bool selected();
  void setSelected(bool selected);
  bool defaultSelected() const { return boolAttribute(u"selected"); }
  void setDefaultSelected(bool selected) { setBoolAttribute(u"selected", selected); }

  // Position among the select's options; -1 for an option outside any select.
  int32_t index();

  // The text, white space stripped and collapsed: "  a \n b " -> "a b".
  std::u16string text() const;
  void setText(std::u16string_view text) { setTextContent(text); }
  // The value attribute, or the text without one.
  std::u16string value() const;

  // HTMLElement
  void resetState() override;

 protected:
  // Element
  void attributeChanged(std::u16string_view localName) override;
  void copyStateTo(Element& copy) const override;

 private:
  friend class HTMLSelectElement;
  // Changes the state alone; the select applies its rules itself.
  void setSelectedState(bool selected) { mSelected = selected; }
  bool selectedState() const { return mSelected; }
  void changeSelectedness(bool selected);

  bool mSelected = false;
  bool mSelectedDirty = false;

 public:
  // nsIDOMNode, nsIDOMElement, nsIDOMHTMLElement, and the tag's own interface
  GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(nsIDOMHTMLOptionElement)
  NS_DECL_NSIDOMHTMLOPTIONELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;
};

}  // namespace geckohost::dom

#endif
