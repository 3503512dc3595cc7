#include "NSHtmlTableRowElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "Tracer.h"
#include "nsIDOMHTMLTableRowElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 45 };

}  // namespace

bool CNSHtmlTableRowElement::isTableRow(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTableRowElement> row = do_QueryInterface(element);
  if (row)
    return true;
  nsString_external tag;
  if (element && NS_SUCCEEDED(element->GetTagName(tag)) && tag.LowerCaseEqualsLiteral("tr")) {
    CTracer::debugTrace("Table row element which doesn't support nsIDOMHTMLTableRowElement?");
  }
  return false;
}

IHtmlPropertyValue* CNSHtmlTableRowElement::getProperty(unsigned int id) {
  if (id != PROP_rowIndex)
    return CNSHtmlElement::getProperty(id);
  try {
    nsCOMPtr<nsIDOMHTMLTableRowElement> row = do_QueryInterface(m_element);
    return NSIntegerRead(row.get(), &nsIDOMHTMLTableRowElement::GetRowIndex, -1);
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}
