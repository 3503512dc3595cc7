#include "NSHtmlTextAreaElement.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLTextAreaElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 60, kLineSetProperty = 110 };

}  // namespace

bool CNSHtmlTextAreaElement::isTextAreaElement(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTextAreaElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlTextAreaElement::getProperty(unsigned int id) {
  try {
    auto area = [this] { return typedElement<nsIDOMHTMLTextAreaElement>(); };
    switch (id) {
      case PROP_name:
        return NSStringRead(area().get(), &nsIDOMHTMLTextAreaElement::GetName);
      case PROP_value:
        return NSStringRead(area().get(), &nsIDOMHTMLTextAreaElement::GetValue);
      case PROP_defaultValue:
        return NSStringRead(area().get(), &nsIDOMHTMLTextAreaElement::GetDefaultValue);
      case PROP_disabled:
        return NSBooleanRead(area().get(), &nsIDOMHTMLTextAreaElement::GetDisabled);
      case PROP_readOnly:
        return NSBooleanRead(area().get(), &nsIDOMHTMLTextAreaElement::GetReadOnly);
      case PROP_rows:
        return NSIntegerRead(area().get(), &nsIDOMHTMLTextAreaElement::GetRows);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

bool CNSHtmlTextAreaElement::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    nsCOMPtr<nsIDOMHTMLTextAreaElement> area = do_QueryInterface(m_element);
    if (!area)
      return false;
    switch (CHtmlStandardPropertySet::getPropertyId(name)) {
      case PROP_value:
        return NS_SUCCEEDED(area->SetValue(NSValueText(value)));
      case PROP_disabled:
        return NS_SUCCEEDED(area->SetDisabled(value->booleanValue()));
      default:
        return CNSHtmlElement::setProperty(name, value);
    }
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}
