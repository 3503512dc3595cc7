#include "NSHtmlTableElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLTableCaptionElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMNode.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 40 };

// The caption's text as the raw text walk gives it: "<caption> Sales\n 2010 </caption>" ->
// " Sales  2010 ", nothing compressed.
IHtmlPropertyValue* captionValue(nsIDOMHTMLTableElement* table) {
  nsString_external text;
  nsCOMPtr<nsIDOMHTMLTableCaptionElement> caption;
  if (table && NS_SUCCEEDED(table->GetCaption(getter_AddRefs(caption))) && caption) {
    nsCOMPtr<nsIDOMNode> node = do_QueryInterface(caption);
    CNSHtmlElement::getText(node, text);
  }
  return new CNSHtmlPropertyValue(text);
}

}  // namespace

bool CNSHtmlTableElement::isTable(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTableElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlTableElement::getProperty(unsigned int id) {
  try {
    auto table = [this] { return typedElement<nsIDOMHTMLTableElement>(); };
    switch (id) {
      case PROP_width:
        return NSStringRead(table().get(), &nsIDOMHTMLTableElement::GetWidth);
      case PROP_border:
        return NSStringRead(table().get(), &nsIDOMHTMLTableElement::GetBorder);
      case PROP_caption:
        return captionValue(table());
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}
