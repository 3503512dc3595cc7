// An OBJECT element. One of type text/html shows a document, which is its only child; any
// other object has no children at all.
#ifndef NATIVE_HTML_GECKO_NSHTMLOBJECTELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLOBJECTELEMENT_H

#include "NSHtmlElement.h"
#include "nsIDOMDocument.h"

class CNSHtmlObjectElement final : public CNSHtmlElement {
 public:
  static bool isObject(nsIDOMHTMLElement* element);

  explicit CNSHtmlObjectElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  // The document the object shows, whatever its kind.
  bool getContentDocument(nsCOMPtr<nsIDOMDocument>& document);

  IHtmlEnumerator* getChildren() override;
  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
