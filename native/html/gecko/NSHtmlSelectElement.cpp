#include "NSHtmlSelectElement.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlCombolist.h"
#include "NSPropertyReads.h"
#include "Tracer.h"
#include "nsIComboboxControlFrame.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIFrame.h"

namespace {

enum ReportLine : unsigned int { kLineGetProperty = 80, kLineSetProperty = 150 };

}  // namespace

bool CNSHtmlSelectElement::isSelect(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLSelectElement> typed = do_QueryInterface(element);
  return typed != nullptr;
}

CNSHtmlSelectElement::SelectUIType CNSHtmlSelectElement::getUIType() {
  nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(m_element);
  PRBool multiple = PR_FALSE;
  PRInt32 size = 0;
  select->GetMultiple(&multiple);
  select->GetSize(&size);
  if (size > 1)
    return LIST_BOX;
  return multiple ? LIST_BOX : DROP_DOWN;
}

IHtmlPropertyValue* CNSHtmlSelectElement::getProperty(unsigned int id) {
  try {
    auto select = [this] { return typedElement<nsIDOMHTMLSelectElement>(); };
    switch (id) {
      case PROP_name:
        return NSStringRead(select().get(), &nsIDOMHTMLSelectElement::GetName);
      case PROP_value:
        return valueOfSelection();
      case PROP_type:
        return NSStringRead(select().get(), &nsIDOMHTMLSelectElement::GetType);
      case PROP_size:
        return NSIntegerRead(select().get(), &nsIDOMHTMLSelectElement::GetSize);
      case PROP_disabled:
        return NSBooleanRead(select().get(), &nsIDOMHTMLSelectElement::GetDisabled);
      case PROP_multiple:
        return NSBooleanRead(select().get(), &nsIDOMHTMLSelectElement::GetMultiple);
      case PROP_length:
        return NSIntegerRead(select().get(), &nsIDOMHTMLSelectElement::GetLength);
      case PROP_selectedIndex:
        return NSIntegerRead(select().get(), &nsIDOMHTMLSelectElement::GetSelectedIndex, -1);
      case PROP_comboList:
        return comboListValue();
      case PROP_uIType:
        return select() ? new CNSHtmlPropertyValue(static_cast<int>(getUIType())) : nullptr;
      default:
        return CNSHtmlElement::getProperty(id);
    }
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}

// The selected option's value; "" while nothing is selected.
IHtmlPropertyValue* CNSHtmlSelectElement::valueOfSelection() {
  nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(m_element);
  PRInt32 index = -1;
  nsString_external value;
  if (select && NS_SUCCEEDED(select->GetSelectedIndex(&index)) && index >= 0)
    select->GetValue(value);
  return new CNSHtmlPropertyValue(value);
}

// The address of a new drop-down list object, which the receiver of the value owns.
IHtmlPropertyValue* CNSHtmlSelectElement::comboListValue() {
  IHtmlElement* list = getAssociatedDropdown();
  return new CNSHtmlPropertyValue(static_cast<long long>(reinterpret_cast<intptr_t>(list)));
}

bool CNSHtmlSelectElement::setProperty(const char* name, IHtmlPropertyValue* value) {
  if (!name || !value)
    return false;
  try {
    nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(m_element);
    if (!select)
      return false;
    if (CHtmlStandardPropertySet::getPropertyId(name) != PROP_selectedIndex)
      return CNSHtmlElement::setProperty(name, value);
    // Only an integer value selects: "2" as text is refused rather than guessed at.
    if (value->type() != 1)
      return false;
    return NS_SUCCEEDED(select->SetSelectedIndex(value->intValue()));
  } catch (...) {
    reportException(kLineSetProperty);
  }
  return false;
}

nsRect CNSHtmlSelectElement::getScreenRect() {
  nsRect rect(0, 0, 0, 0);
  getBounds(rect);
  CTracer::debugTrace(
      "Couldn't get layout frame, using old method to calculate screen rectangle...");
  return rect;
}

IHtmlElement* CNSHtmlSelectElement::getAssociatedDropdown() {
  nsCOMPtr<nsIDOMHTMLSelectElement> select = do_QueryInterface(m_element);
  PRInt32 size = 0;
  if (NS_FAILED(select->GetSize(&size)) || size >= 2)
    return nullptr;
  nsIFrame* frame = getLayoutFrame();
  nsIComboboxControlFrame* combo = nullptr;
  if (frame)
    combo = do_QueryFrame(frame);
  if (!combo) {
    CTracer::debugTrace("comboFrame is null!");
    return nullptr;
  }
  if (!combo->IsDroppedDown())
    return nullptr;
  if (!combo->GetDropDown()) {
    CTracer::debugTrace("no dropdown found!");
    return nullptr;
  }
  long handle = findPopup();
  if (CNSHtmlCombolist::isCombolist(handle))
    return new CNSHtmlCombolist(handle);
  CTracer::debugTrace("Dropdown frame has no widget!");
  return nullptr;
}

// The open list shows in a popup widget below the drop-down list frame, as Gecko places it.
long CNSHtmlSelectElement::findPopup() {
  nsIFrame* frame = getLayoutFrame();
  nsIComboboxControlFrame* combo = nullptr;
  if (frame)
    combo = do_QueryFrame(frame);
  if (!combo || !combo->IsDroppedDown())
    return 0;
  nsIWidget* widget = CNSHtmlCombolist::getPopupWidget(combo->GetDropDown());
  return widget ? reinterpret_cast<long>(widget->GetNativeData(NS_NATIVE_WINDOW)) : 0;
}
