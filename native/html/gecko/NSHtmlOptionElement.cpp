#include "NSHtmlOptionElement.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSPropertyReads.h"
#include "Tracer.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMNode.h"
#include "nsServiceManagerUtils.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 70, kLineSetProperty = 120 };

}  // namespace

bool CNSHtmlOptionElement::isOption(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLOptionElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

IHtmlPropertyValue* CNSHtmlOptionElement::getProperty(unsigned int id) {
  try {
    auto option = [this] { return typedElement<nsIDOMHTMLOptionElement>(); };
    switch (id) {
      case PROP_value:
        return NSStringRead(option().get(), &nsIDOMHTMLOptionElement::GetValue);
      case PROP_selected:
        return NSBooleanRead(option().get(), &nsIDOMHTMLOptionElement::GetSelected);
      case PROP_defaultSelected:
        return NSBooleanRead(option().get(), &nsIDOMHTMLOptionElement::GetDefaultSelected);
      case PROP_index:
        return NSIntegerRead(option().get(), &nsIDOMHTMLOptionElement::GetIndex);
      case PROP_bounds:
        return new CNSHtmlPropertyValue(getScreenRectangle());
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

bool CNSHtmlOptionElement::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    nsCOMPtr<nsIDOMHTMLOptionElement> option = do_QueryInterface(m_element);
    if (!option)
      return false;
    if (CHtmlStandardPropertySet::getPropertyId(name) == PROP_selected)
      return NS_SUCCEEDED(option->SetSelected(value->booleanValue()));
    return CNSHtmlElement::setProperty(name, value);
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}

nsRect CNSHtmlOptionElement::getScreenRectangle() {
  nsRect rect(0, 0, 0, 0);
  nsCOMPtr<nsIAccessibleRetrieval> retrieval = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(m_element);
  nsCOMPtr<nsIAccessible> accessible;
  if (retrieval && node)
    retrieval->GetAccessibleFor(node, getter_AddRefs(accessible));
  if (!accessible)
    return rect;
  PRInt32 x = 0, y = 0, width = 0, height = 0;
  accessible->GetBounds(&x, &y, &width, &height);
  rect.SetRect(x, y, width, height);
  float zoom = getDocumentZoom();
  if (zoom > 0) {
    rect.x = static_cast<int>(rect.x * zoom);
    rect.y = static_cast<int>(rect.y * zoom);
  }
  return rect;
}

nsCOMPtr<nsIDOMHTMLSelectElement> CNSHtmlOptionElement::findSelect() {
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(m_element);
  while (node) {
    nsCOMPtr<nsIDOMNode> parent;
    if (NS_FAILED(node->GetParentNode(getter_AddRefs(parent))))
      break;
    nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(parent);
    if (select)
      return select;
    node = parent;
  }
  return nullptr;
}

// Gecko scrolls a list to its selected option, so moving the selection through the option
// brings it into view. A multiple-selection list box has its option selected and at once
// deselected, which keeps the rest of the selection. Otherwise the selection passes over the
// option and ends next to it: on index + 1 when a later option exists, else on index - 1 when
// the index is above 1, else where it was.
bool CNSHtmlOptionElement::scrollIntoView() {
  nsCOMPtr<nsIDOMHTMLSelectElement> select = findSelect();
  if (!select)
    return false;
  nsCOMPtr<nsIDOMHTMLOptionElement> option = do_QueryInterface(m_element);
  if (!option) {
    CTracer::debugTrace("Error!! ScrollIntoView,  NULL Option Element");
    return false;
  }
  PRInt32 index = 0;
  PRBool multiple = PR_FALSE;
  PRInt32 size = 0;
  option->GetIndex(&index);
  select->GetMultiple(&multiple);
  select->GetSize(&size);
  if (size >= 2 && multiple) {
    CTracer::debugTrace(
        "Multiple-Select List-box , Going to select & Unselect the option element to bring it "
        "into view");
    option->SetSelected(PR_TRUE);
    option->SetSelected(PR_FALSE);
    return false;
  }
  CTracer::debugTrace("Going to use regular approach to bring  option element into view");
  PRUint32 length = 0;
  select->GetLength(&length);
  if (index > 1) {
    select->SetSelectedIndex(index);
    select->SetSelectedIndex(index - 1);
  }
  if (index < static_cast<PRInt32>(length) - 1) {
    select->SetSelectedIndex(index);
    select->SetSelectedIndex(index + 1);
  }
  return false;
}
