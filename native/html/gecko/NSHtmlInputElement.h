// An INPUT element: text fields, check boxes, radio buttons, image and push buttons. Its class
// names the kind ("Html.INPUT.checkbox"), and scripts can set its value, checked, disabled and
// readOnly states.
#ifndef NATIVE_HTML_GECKO_NSHTMLINPUTELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLINPUTELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlInputElement final : public CNSHtmlElement {
 public:
  // Whether the element supports nsIDOMHTMLInputElement.
  static bool isInput(nsIDOMHTMLElement* element);

  explicit CNSHtmlInputElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
  bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) override;

  // The longest absolute URL resolveURL writes, with its terminating zero.
  static const size_t kUrlBufferSize = 2083;

  // `url` resolved against the address of the element's document, into `buffer` (at least
  // kUrlBufferSize bytes). The buffer is left empty without a document or address, and when
  // the resolved URL does not fit.
  void resolveURL(const nsAString& url, char* buffer);

 private:
  IHtmlPropertyValue* classValue();
  IHtmlPropertyValue* sizeValue();
  IHtmlPropertyValue* srcValue();
};

#endif
