// A SELECT element, shown as a list box or as a drop-down list whose open list lives in a
// popup window. It reports its state, lets a script set the selected index (by integer only),
// and traces each time its rectangle is measured.
#ifndef NATIVE_HTML_GECKO_NSHTMLSELECTELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLSELECTELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlSelectElement final : public CNSHtmlElement {
 public:
  enum SelectUIType { LIST_BOX = 1, DROP_DOWN = 2 };

  // Whether the element supports nsIDOMHTMLSelectElement.
  static bool isSelect(nsIDOMHTMLElement* element);

  explicit CNSHtmlSelectElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
  nsRect getScreenRect() override;

  // A list box when several rows show or several options may be selected:
  //   <select>                 DROP_DOWN
  //   <select size=4>          LIST_BOX
  //   <select multiple>        LIST_BOX
  SelectUIType getUIType();

  // The object of the open drop-down list, owned by the caller; null for a list box, a closed
  // drop-down, or when the list's popup window cannot be found (each traced but the closed one).
  IHtmlElement* getAssociatedDropdown();
  // The X11 handle of the popup window that shows the open list; 0 when there is none.
  long findPopup();

 private:
  IHtmlPropertyValue* valueOfSelection();
  IHtmlPropertyValue* comboListValue();
};

#endif
