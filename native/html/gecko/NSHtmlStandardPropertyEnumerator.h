// The standard property enumerator of the Gecko-side objects: property names become the
// UTF-16 canonical names the agent sees (".name", ".offsetLeft").
#ifndef NATIVE_HTML_GECKO_NSHTMLSTANDARDPROPERTYENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLSTANDARDPROPERTYENUMERATOR_H

#include "HtmlStandardPropertyEnumerator.h"

class CNSHtmlStandardPropertyEnumerator final : public CHtmlStandardPropertyEnumerator {
 public:
  explicit CNSHtmlStandardPropertyEnumerator(IHtmlElement* element)
      : CHtmlStandardPropertyEnumerator(element) {}

  IHtmlProperty* createProperty(const char* canonicalName,
                                CHtmlObjectPtr<IHtmlPropertyValue>& value) override;
};

#endif
