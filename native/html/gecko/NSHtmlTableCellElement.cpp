#include "NSHtmlTableCellElement.h"

#include "HtmlStandardPropertyIds.h"
#include "NSPropertyReads.h"
#include "nsIDOMHTMLTableCellElement.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 40 };

}  // namespace

bool CNSHtmlTableCellElement::isTableCell(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLTableCellElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlTableCellElement::getProperty(unsigned int id) {
  try {
    auto cell = [this] { return typedElement<nsIDOMHTMLTableCellElement>(); };
    switch (id) {
      case PROP_cellIndex:
        return NSIntegerRead(cell().get(), &nsIDOMHTMLTableCellElement::GetCellIndex, -1);
      case PROP_rowSpan:
        return NSIntegerRead(cell().get(), &nsIDOMHTMLTableCellElement::GetRowSpan);
      case PROP_colSpan:
        return NSIntegerRead(cell().get(), &nsIDOMHTMLTableCellElement::GetColSpan);
      case PROP_width:
        // A cell's width is deliberately unanswered; its rectangle says how wide it is.
        return nullptr;
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}
