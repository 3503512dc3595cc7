#include "NSHtmlObjectElement.h"

#include "NSHtmlDocument.h"
#include "NSHtmlDocumentEnumerator.h"
#include "NSHtmlPropertyValue.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLObjectElement.h"

bool CNSHtmlObjectElement::isObject(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLObjectElement> object = do_QueryInterface(element);
  return object != nullptr;
}

bool CNSHtmlObjectElement::getContentDocument(nsCOMPtr<nsIDOMDocument>& document) {
  document = nullptr;
  nsCOMPtr<nsIDOMHTMLObjectElement> object = do_QueryInterface(m_element);
  if (!object)
    return false;
  return NS_SUCCEEDED(object->GetContentDocument(getter_AddRefs(document))) && document;
}

IHtmlEnumerator* CNSHtmlObjectElement::getChildren() {
  try {
    nsCOMPtr<nsIDOMHTMLObjectElement> object = do_QueryInterface(m_element);
    nsString_external type;
    if (!object || NS_FAILED(object->GetType(type)) || !type.LowerCaseEqualsLiteral("text/html")) {
      return nullptr;
    }
    nsCOMPtr<nsIDOMDocument> content;
    if (!getContentDocument(content))
      return nullptr;
    nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(content);
    if (!html)
      return nullptr;
    return new CNSHtmlDocumentEnumerator(new CNSHtmlDocument(html));
  } catch (...) {
    reportException(40);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlObjectElement::getProperty(unsigned int id) {
  if (id != 3 && id != 19)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLObjectElement> object = do_QueryInterface(m_element);
    nsString_external value;
    if (!object)
      return nullptr;
    nsresult rv = id == 3 ? object->GetName(value) : object->GetType(value);
    return NS_SUCCEEDED(rv) ? new CNSHtmlPropertyValue(value) : nullptr;
  } catch (...) {
    reportException(70);
  }
  return nullptr;
}
