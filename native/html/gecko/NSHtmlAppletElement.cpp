#include "NSHtmlAppletElement.h"

#include "nsIDOMHTMLAppletElement.h"

bool CNSHtmlAppletElement::isApplet(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLAppletElement> applet = do_QueryInterface(element);
  return applet != nullptr;
}

IHtmlPropertyValue* CNSHtmlAppletElement::getProperty(unsigned int id) {
  if (id < 3 || id > 64)
    return CNSHtmlElement::getProperty(id);
  try {
    switch (id) {
      case 3:
        return stringValue(&nsIDOMHTMLAppletElement::GetName);
      case 39:
        return stringValue(&nsIDOMHTMLAppletElement::GetHeight);
      case 40:
        return stringValue(&nsIDOMHTMLAppletElement::GetWidth);
      case 45:
        return windowValue();
      case 58:
        return stringValue(&nsIDOMHTMLAppletElement::GetCodeBase);
      case 59:
        return stringValue(&nsIDOMHTMLAppletElement::GetCode);
      case 64:
        return nestedBoundsValue();
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(95);
  }
  return nullptr;
}
