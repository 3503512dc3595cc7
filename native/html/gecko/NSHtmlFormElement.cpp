#include "NSHtmlFormElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLFormElement.h"

bool CNSHtmlFormElement::isForm(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLFormElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlFormElement::getProperty(unsigned int id) {
  if (id != PROP_name)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLFormElement> form = do_QueryInterface(m_element);
    return NSStringRead(form.get(), &nsIDOMHTMLFormElement::GetName);
  } catch (...) {
    reportException(__LINE__);
  }
  return nullptr;
}
