#include "NSHtmlImageElement.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLImageElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 235, kLineSetProperty = 328 };

IHtmlPropertyValue* alignValue(nsIDOMHTMLImageElement* image) {
  nsString_external align;
  if (NS_FAILED(image->GetAlign(align)))
    align.Truncate();
  if (align.EqualsLiteral("middle"))
    align.AssignLiteral("center");
  return new CNSHtmlPropertyValue(align);
}

IHtmlPropertyValue* borderValue(nsIDOMHTMLImageElement* image) {
  nsString_external border;
  if (NS_FAILED(image->GetBorder(border)))
    border.Truncate();
  if (border.IsEmpty())
    border.AssignLiteral("0");
  return new CNSHtmlPropertyValue(border);
}

}  // namespace

bool CNSHtmlImageElement::isImage(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLImageElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlImageElement::getProperty(unsigned int id) {
  if (id < PROP_name || id > PROP_useMap)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLImageElement> image = do_QueryInterface(m_element);
    if (!image)
      return CNSHtmlElement::getProperty(id);
    switch (id) {
      case PROP_name:
        return NSStringRead(image.get(), &nsIDOMHTMLImageElement::GetName);
      case PROP_alt:
        return NSStringRead(image.get(), &nsIDOMHTMLImageElement::GetAlt);
      case PROP_src:
        return NSStringRead(image.get(), &nsIDOMHTMLImageElement::GetSrc);
      case PROP_align:
        return alignValue(image);
      case PROP_border:
        return borderValue(image);
      case PROP_height:
        return NSIntegerRead(image.get(), &nsIDOMHTMLImageElement::GetHeight);
      case PROP_width:
        return NSIntegerRead(image.get(), &nsIDOMHTMLImageElement::GetWidth);
      case PROP_hspace:
        return NSIntegerRead(image.get(), &nsIDOMHTMLImageElement::GetHspace);
      case PROP_vspace:
        return NSIntegerRead(image.get(), &nsIDOMHTMLImageElement::GetVspace);
      case PROP_isMap:
        return NSBooleanRead(image.get(), &nsIDOMHTMLImageElement::GetIsMap);
      case PROP_useMap:
        return NSStringRead(image.get(), &nsIDOMHTMLImageElement::GetUseMap);
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

bool CNSHtmlImageElement::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    if (CHtmlStandardPropertySet::getPropertyId(name) == PROP_scrollPosX)
      return true;
    return CNSHtmlElement::setProperty(name, value);
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return true;
}

bool CNSHtmlImageElement::hasMap() {
  nsCOMPtr<nsIDOMHTMLImageElement> image = do_QueryInterface(m_element);
  nsString_external useMap;
  return image && NS_SUCCEEDED(image->GetUseMap(useMap)) && !useMap.IsEmpty();
}
