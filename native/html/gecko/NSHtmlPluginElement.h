// What EMBED and APPLET element objects share: their attribute getters, the window handle of
// the native window that shows their document, and that window's bounds.
#ifndef NATIVE_HTML_GECKO_NSHTMLPLUGINELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLPLUGINELEMENT_H

#include "NSHtmlElement.h"

class CNSHtmlPluginElement : public CNSHtmlElement {
 protected:
  explicit CNSHtmlPluginElement(nsCOMPtr<nsIDOMHTMLElement>& element) : CNSHtmlElement(element) {}

  // A string value from one of the element interface's attribute getters; null when the
  // interface is missing or the getter fails.
  template <class Interface>
  IHtmlPropertyValue* stringValue(nsresult (Interface::*getter)(nsAString&));

  // The window handle as a 64-bit value.
  IHtmlPropertyValue* windowValue();
  // The bounds of that window on the screen; null without a window.
  IHtmlPropertyValue* nestedBoundsValue();
};

#endif
