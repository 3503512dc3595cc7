// An APPLET element: a Java applet with its code and code base.
#ifndef NATIVE_HTML_GECKO_NSHTMLAPPLETELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLAPPLETELEMENT_H

#include "NSHtmlPluginElement.h"

class CNSHtmlAppletElement final : public CNSHtmlPluginElement {
 public:
  static bool isApplet(nsIDOMHTMLElement* element);

  // Precondition: isApplet(element).
  explicit CNSHtmlAppletElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlPluginElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
