// A MAP element: the areas of an image map. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLMAPELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLMAPELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlMapElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLMapElement.
  static bool isMap(nsIDOMHTMLElement* element);

  explicit CNSHtmlMapElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
