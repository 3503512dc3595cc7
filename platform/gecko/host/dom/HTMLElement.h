// An element in the HTML namespace. Tags without a class of their own (div, span, p, ...)
// are plain HTMLElements; the per-tag classes derive from it and add their state and rules.
//
// What all HTML elements share lives here: innerHTML in both directions, focus and tab order,
// the form owner of form controls, and the reset hook that form.reset() drives.
#ifndef GECKOHOST_DOM_HTMLELEMENT_H
#define GECKOHOST_DOM_HTMLELEMENT_H

#include "dom/Element.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNSHTMLElement.h"

class nsIDOMHTMLFormElement;

namespace geckohost::dom {

class HTMLFormElement;

// For the per-tag classes: the chains they share with every HTML element, answered by the
// base classes that implement them, with the tag's interface `_iface` as the chain the
// element hands out.
#define GECKOHOST_FORWARD_HTMLELEMENT_CHAINS(_iface) \
  nsIDOMHTMLElement* asDOMHTMLElement() override {   \
    return static_cast<_iface*>(this);               \
  }                                                  \
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(HTMLElement)    \
  NS_FORWARD_NSIDOMNODE(Node::)                      \
  NS_FORWARD_NSIDOMELEMENT(Element::)                \
  NS_FORWARD_NSIDOMHTMLELEMENT(HTMLElement::)

class HTMLElement : public Element, public nsIDOMHTMLElement, public nsIDOMNSHTMLElement {
 public:
  HTMLElement(Document& document, std::u16string_view localName);

  // The children serialised as HTML ("<b>x</b> &amp; y").
  std::u16string innerHTML() const;
  // Replaces the children by the nodes parsed from `markup` with this element as the context,
  // as the HTML fragment parsing algorithm does. One change notification for the whole.
  void setInnerHTML(std::u16string_view markup);

  // Whether focus() may give this element the focus: links and areas with an href, form
  // controls that are not disabled (and inputs that are not hidden), anything with a tabindex.
  virtual bool isFocusable() const;
  // Takes the document's focus when focusable; blur() gives it up when this element has it.
  void focus();
  void blur();
  // The tabindex attribute; without one 0 for elements that take focus by default, else -1.
  int32_t tabIndex() const;

  // The form this element belongs to: its nearest form ancestor.
  HTMLFormElement* formOwner() const;
  // Whether form.elements lists this element (form controls except image inputs).
  virtual bool isListedFormControl() const { return false; }
  // Puts back the state the markup gives (what form.reset() asks of each control).
  virtual void resetState() {}

  // The element as nsIDOMHTMLElement, of its most derived chain (see Node::asDOMNode).
  virtual nsIDOMHTMLElement* asDOMHTMLElement() { return this; }
  nsIDOMElement* asDOMElement() override { return asDOMHTMLElement(); }
  // A form owner as the per-tag interfaces' GetForm hands it out.
  nsresult handOutForm(nsIDOMHTMLFormElement** aForm) const;

  // nsISupports, nsIDOMNode, nsIDOMElement
  GECKOHOST_FORWARD_NODE_NSISUPPORTS(Element)
  NS_FORWARD_NSIDOMNODE(Node::)
  NS_FORWARD_NSIDOMELEMENT(Element::)
  NS_DECL_NSIDOMHTMLELEMENT
  NS_DECL_NSIDOMNSHTMLELEMENT

 protected:
  // Node
  void* interfaceFor(const nsIID& iid) override;

  // Whether the element takes the focus without a tabindex (before the disabled rule).
  virtual bool isFocusableByDefault() const;
};

}  // namespace geckohost::dom

#endif
