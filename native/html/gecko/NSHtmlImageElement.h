// An IMG element. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLIMAGEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLIMAGEELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlImageElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLImageElement.
  static bool isImage(nsIDOMHTMLElement* element);

  explicit CNSHtmlImageElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
