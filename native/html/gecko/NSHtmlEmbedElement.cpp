#include "NSHtmlEmbedElement.h"

#include "nsIDOMHTMLEmbedElement.h"

bool CNSHtmlEmbedElement::isApplet(nsIDOMHTMLElement* element) {
  nsString_external tag;
  return element && NS_SUCCEEDED(element->GetTagName(tag)) && tag.LowerCaseEqualsLiteral("embed");
}

IHtmlPropertyValue* CNSHtmlEmbedElement::getProperty(unsigned int id) {
  try {
    switch (id) {
      case 3:
        return stringValue(&nsIDOMHTMLEmbedElement::GetName);
      case 39:
        return stringValue(&nsIDOMHTMLEmbedElement::GetHeight);
      case 40:
        return stringValue(&nsIDOMHTMLEmbedElement::GetWidth);
      case 45:
        return windowValue();
      case 64:
        return nestedBoundsValue();
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(90);
  }
  return nullptr;
}
