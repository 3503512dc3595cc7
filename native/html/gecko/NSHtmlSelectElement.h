// A SELECT element: a list box or drop-down list. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLSELECTELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLSELECTELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlSelectElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLSelectElement.
  static bool isSelect(nsIDOMHTMLElement* element);

  explicit CNSHtmlSelectElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
