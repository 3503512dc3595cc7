#include "NavigationButtons.h"

#include "DocShell.h"
#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost {

namespace {

// Writes the attribute only when it changes, so an unchanged state does not disturb the chrome.
void setDisabled(dom::Document& chrome, const char16_t* id, bool disabled) {
  dom::Element* button = chrome.getElementById(id);
  if (!button)
    return;
  bool marked = button->attributeValue(u"disabled") != nullptr;
  if (disabled && !marked)
    button->setAttributeValue(u"disabled", u"true");
  if (!disabled && marked)
    button->removeAttribute(u"disabled");
}

}  // namespace

void NavigationButtons::update(dom::Document& chrome, DocShell* page) {
  bool canGoBack = page && page->history().canGoBack();
  bool canGoForward = page && page->history().canGoForward();
  bool loading = page && page->isLoading();
  setDisabled(chrome, u"back-button", !canGoBack);
  setDisabled(chrome, u"forward-button", !canGoForward);
  setDisabled(chrome, u"stop-button", !loading);
}

}  // namespace geckohost
