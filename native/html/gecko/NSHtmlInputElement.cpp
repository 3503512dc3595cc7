#include "NSHtmlInputElement.h"

#include <cstring>

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSPropertyReads.h"
#include "NSTextUtils.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDocument.h"
#include "nsIURI.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 90, kLineSetProperty = 160 };

}  // namespace

bool CNSHtmlInputElement::isInput(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLInputElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlInputElement::getProperty(unsigned int id) {
  try {
    auto input = [this] { return typedElement<nsIDOMHTMLInputElement>(); };
    switch (id) {
      case PROP_name:
        return NSStringRead(input().get(), &nsIDOMHTMLInputElement::GetName);
      case PROP_class:
        return classValue();
      case PROP_value:
        return NSStringRead(input().get(), &nsIDOMHTMLInputElement::GetValue);
      case PROP_type:
        return NSStringRead(input().get(), &nsIDOMHTMLInputElement::GetType);
      case PROP_checked:
        return NSBooleanRead(input().get(), &nsIDOMHTMLInputElement::GetChecked);
      case PROP_defaultValue:
        return NSStringRead(input().get(), &nsIDOMHTMLInputElement::GetDefaultValue);
      case PROP_defaultChecked:
        return NSBooleanRead(input().get(), &nsIDOMHTMLInputElement::GetDefaultChecked);
      case PROP_alt:
        return NSStringRead(input().get(), &nsIDOMHTMLInputElement::GetAlt);
      case PROP_size:
        return sizeValue();
      case PROP_src:
        return srcValue();
      case PROP_disabled:
        return NSBooleanRead(input().get(), &nsIDOMHTMLInputElement::GetDisabled);
      case PROP_maxLength:
        return NSIntegerRead(input().get(), &nsIDOMHTMLInputElement::GetMaxLength);
      case PROP_indeterminate:
        return new CNSHtmlPropertyValue(false);
      case PROP_readOnly:
        return NSBooleanRead(input().get(), &nsIDOMHTMLInputElement::GetReadOnly);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

// "Html.INPUT" and the type as Gecko reports it: "Html.INPUT.checkbox".
IHtmlPropertyValue* CNSHtmlInputElement::classValue() {
  nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(m_element);
  nsString_external tag;
  nsString_external type;
  m_element->GetTagName(tag);
  if (input)
    input->GetType(type);
  nsString_external value;
  value.AssignLiteral("Html.");
  value.Append(tag);
  value.Append(PRUnichar('.'));
  value.Append(type);
  return new CNSHtmlPropertyValue(value);
}

// The size attribute is a count of characters; anything but a decimal number there is 0.
IHtmlPropertyValue* CNSHtmlInputElement::sizeValue() {
  nsString_external text;
  m_element->GetAttribute(NS_LITERAL_STRING("size"), text);
  return new CNSHtmlPropertyValue(NSDecimalAttributeValue(text));
}

// Only an image button has a source; it is reported as an absolute address.
IHtmlPropertyValue* CNSHtmlInputElement::srcValue() {
  nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(m_element);
  nsString_external type;
  if (!input || NS_FAILED(input->GetType(type)) || !type.LowerCaseEqualsLiteral("image"))
    return new CNSHtmlPropertyValue("");
  nsString_external src;
  input->GetSrc(src);
  char buffer[kUrlBufferSize];
  resolveURL(src, buffer);
  if (buffer[0])
    return new CNSHtmlPropertyValue(buffer);
  return new CNSHtmlPropertyValue(src);
}

void CNSHtmlInputElement::resolveURL(const nsAString& url, char* buffer) {
  buffer[0] = '\0';
  nsCOMPtr<nsIDOMDocument> owner;
  m_element->GetOwnerDocument(getter_AddRefs(owner));
  nsCOMPtr<nsIDocument> document = do_QueryInterface(owner);
  nsIURI* base = document ? document->GetDocumentURI() : nullptr;
  if (!base)
    return;
  nsCString_external resolved;
  if (NS_FAILED(base->Resolve(NS_ConvertUTF16toUTF8(url), resolved)))
    return;
  // A URL that does not fit is not cut into another address: the caller falls back to `url`.
  if (resolved.Length() >= kUrlBufferSize)
    return;
  memcpy(buffer, resolved.BeginReading(), resolved.Length());
  buffer[resolved.Length()] = '\0';
}

bool CNSHtmlInputElement::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(m_element);
    if (!input)
      return false;
    switch (CHtmlStandardPropertySet::getPropertyId(name)) {
      case PROP_checked:
        return NS_SUCCEEDED(input->SetChecked(value->booleanValue()));
      case PROP_value:
        return NS_SUCCEEDED(input->SetValue(NSValueText(value)));
      case PROP_disabled:
        return NS_SUCCEEDED(input->SetDisabled(value->booleanValue()));
      case PROP_readOnly:
        return NS_SUCCEEDED(input->SetReadOnly(value->booleanValue()));
      default:
        return CNSHtmlElement::setProperty(name, value);
    }
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}
