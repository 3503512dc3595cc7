#include "NSHtmlMapElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLMapElement.h"

bool CNSHtmlMapElement::isMap(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLMapElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlMapElement::getProperty(unsigned int id) {
  if (id != PROP_name)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLMapElement> map = do_QueryInterface(m_element);
    return NSStringRead(map.get(), &nsIDOMHTMLMapElement::GetName);
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}
