// A MAP element: the named set of areas an image refers to with its usemap attribute.
#ifndef NATIVE_HTML_GECKO_NSHTMLMAPELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLMAPELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlMapElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLMapElement.
  static bool isMap(nsIDOMHTMLElement* element);

  explicit CNSHtmlMapElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  // A map has nothing a script may set.
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
};

#endif
