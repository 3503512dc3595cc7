#include "NSHtmlPluginElement.h"

#include "NSHtmlPropertyValue.h"
#include "nsIDOMHTMLAppletElement.h"
#include "nsIDOMHTMLEmbedElement.h"

template <class Interface>
IHtmlPropertyValue* CNSHtmlPluginElement::stringValue(nsresult (Interface::*getter)(nsAString&)) {
  nsCOMPtr<Interface> element = do_QueryInterface(m_element);
  nsString_external value;
  if (!element || NS_FAILED((element.get()->*getter)(value)))
    return nullptr;
  return new CNSHtmlPropertyValue(value);
}

template IHtmlPropertyValue* CNSHtmlPluginElement::stringValue<nsIDOMHTMLEmbedElement>(
    nsresult (nsIDOMHTMLEmbedElement::*)(nsAString&));
template IHtmlPropertyValue* CNSHtmlPluginElement::stringValue<nsIDOMHTMLAppletElement>(
    nsresult (nsIDOMHTMLAppletElement::*)(nsAString&));

IHtmlPropertyValue* CNSHtmlPluginElement::windowValue() {
  return new CNSHtmlPropertyValue(static_cast<long long>(getElementWindowHandle()));
}

IHtmlPropertyValue* CNSHtmlPluginElement::nestedBoundsValue() {
  long handle = getElementWindowHandle();
  nsRect bounds;
  if (!handle || !getWindowBounds(handle, bounds))
    return nullptr;
  return new CNSHtmlPropertyValue(bounds);
}
