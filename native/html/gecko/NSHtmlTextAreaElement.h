// A TEXTAREA element: multi-line text entry. The element answers the base element's
// properties; what is particular to its kind is added on top of CNSHtmlElement.
#ifndef NATIVE_HTML_GECKO_NSHTMLTEXTAREAELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTEXTAREAELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTextAreaElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTextAreaElement.
  static bool isTextAreaElement(nsIDOMHTMLElement* element);

  explicit CNSHtmlTextAreaElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}
};

#endif
