// A TEXTAREA element: multi-line text entry. Its value is what the user typed or a script set;
// its default value is the text written between the tags.
#ifndef NATIVE_HTML_GECKO_NSHTMLTEXTAREAELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLTEXTAREAELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlTextAreaElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLTextAreaElement.
  static bool isTextAreaElement(nsIDOMHTMLElement* element);

  explicit CNSHtmlTextAreaElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;
};

#endif
