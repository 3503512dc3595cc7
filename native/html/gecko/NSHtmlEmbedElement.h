// An EMBED element: a plug-in, recognised by its tag name.
#ifndef NATIVE_HTML_GECKO_NSHTMLEMBEDELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLEMBEDELEMENT_H

#include "NSHtmlPluginElement.h"

class CNSHtmlEmbedElement final : public CNSHtmlPluginElement {
 public:
  // The tag name is "embed", whatever its case.
  static bool isApplet(nsIDOMHTMLElement* element);

  // Precondition: isApplet(element).
  explicit CNSHtmlEmbedElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlPluginElement(element) {}

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override;
};

#endif
