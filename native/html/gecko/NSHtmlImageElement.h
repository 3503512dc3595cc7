// An IMG element: its attributes as the page wrote them (align "middle" reported as "center",
// an empty border as "0"), and whether it uses an image map.
#ifndef NATIVE_HTML_GECKO_NSHTMLIMAGEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLIMAGEELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlImageElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLImageElement.
  static bool isImage(nsIDOMHTMLElement* element);

  explicit CNSHtmlImageElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  // Accepts scrollPosX, which an image has no use for, and changes nothing.
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;

  // The usemap attribute can be read and is not empty.
  bool hasMap();
  // The map element is not looked up; always null.
  IHtmlElement* getMap() { return nullptr; }
};

#endif
