#include "NSHtmlTableRowElement.h"

#include "Tracer.h"
#include "nsIDOMHTMLTableRowElement.h"

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
