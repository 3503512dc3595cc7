// An OPTION element of a selection list: its state, its rectangle as the accessibility service
// measures it, and scrolling it into view by moving its list's selection. An option object
// never contains a point, so hit-testing stops at its select.
#ifndef NATIVE_HTML_GECKO_NSHTMLOPTIONELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLOPTIONELEMENT_H

#include "NSHtmlElement.h"

class nsIDOMHTMLSelectElement;

class CNSHtmlOptionElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLOptionElement.
  static bool isOption(nsIDOMHTMLElement* element);

  explicit CNSHtmlOptionElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool isPointInObject(int x, int y) override { return hitTest(x, y); }
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
  // Moves the list's selection so that the option shows (see the .cpp); answers false.
  bool scrollIntoView() override;

  // The accessible's bounds in screen pixels, x and y scaled by the page's zoom; all zero
  // without an accessible (no offset fallback: an open list's options live in a popup).
  nsRect getScreenRectangle();

 private:
  // The nearest ancestor that is a select; null for an option outside any list.
  nsCOMPtr<nsIDOMHTMLSelectElement> findSelect();
};

#endif
