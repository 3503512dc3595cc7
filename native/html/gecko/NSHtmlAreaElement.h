// An AREA element: one region of an image map. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLAREAELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLAREAELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlAreaElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLAreaElement.
  static bool isArea(nsIDOMHTMLElement* element);

  explicit CNSHtmlAreaElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
