#include "NSHtmlButtonElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLButtonElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 50 };

}  // namespace

bool CNSHtmlButtonElement::isButton(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLButtonElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlButtonElement::getProperty(unsigned int id) {
  try {
    auto button = [this] { return typedElement<nsIDOMHTMLButtonElement>(); };
    switch (id) {
      case PROP_name:
        return NSStringRead(button().get(), &nsIDOMHTMLButtonElement::GetName);
      case PROP_value:
        return NSStringRead(button().get(), &nsIDOMHTMLButtonElement::GetValue);
      case PROP_type:
        return NSStringRead(button().get(), &nsIDOMHTMLButtonElement::GetType);
      case PROP_disabled:
        return NSBooleanRead(button().get(), &nsIDOMHTMLButtonElement::GetDisabled);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}
