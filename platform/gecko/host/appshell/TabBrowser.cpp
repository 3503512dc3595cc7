#include "TabBrowser.h"

#include "DocShell.h"
#include "XULWindow.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost {

namespace {

std::u16string number(int value) {
  return dom::utf8ToUTF16(std::to_string(value));
}

}  // namespace

dom::Element* TabBrowser::element(const char16_t* id) const {
  DocShell* chrome = mWindow.chromeShell();
  dom::Document* document = chrome ? chrome->document() : nullptr;
  return document ? document->getElementById(id) : nullptr;
}

dom::Element* TabBrowser::browserAt(int index) const {
  dom::Element* panels = element(u"tabbrowser-panels");
  if (!panels || index < 0)
    return nullptr;
  int seen = 0;
  for (dom::Element* browser = panels->firstElementChild(); browser;
       browser = browser->nextElementSibling()) {
    if (seen++ == index)
      return browser;
  }
  return nullptr;
}

int TabBrowser::count() const {
  dom::Element* panels = element(u"tabbrowser-panels");
  return panels ? static_cast<int>(panels->childElementCount()) : 0;
}

int TabBrowser::selected() const {
  dom::Element* panels = element(u"tabbrowser-panels");
  if (!panels || count() == 0)
    return -1;
  return panels->intAttribute(u"selectedIndex", 0);
}

int TabBrowser::add(const std::string& url) {
  dom::Element* tabs = element(u"tabbrowser-tabs");
  dom::Element* panels = element(u"tabbrowser-panels");
  if (!tabs || !panels)
    return -1;
  dom::Document& document = *panels->ownerDocument();
  int index = count();
  dom::DOMError error = dom::DOMError::None;
  RefPtr<dom::Element> tab = document.createElement(u"tab", error);
  RefPtr<dom::Element> browser = document.createElement(u"browser", error);
  if (!tab || !browser)
    return -1;
  tab->setAttributeValue(u"id", u"tab-" + number(index));
  tab->setAttributeValue(u"label", dom::utf8ToUTF16(url));
  browser->setAttributeValue(u"id", u"browser-" + number(index));
  browser->setAttributeValue(u"type", u"content-targetable");
  browser->setAttributeValue(u"src", dom::utf8ToUTF16(url));
  tabs->appendChild(*tab);
  panels->appendChild(*browser);
  mWindow.flush();  // the chrome shell makes the tab's shell, which loads the page
  if (DocShell* made = shell(index))
    updateLabel(*made);
  if (index == 0)
    select(0);
  return index;
}

bool TabBrowser::select(int index) {
  dom::Element* tabs = element(u"tabbrowser-tabs");
  dom::Element* panels = element(u"tabbrowser-panels");
  if (!tabs || !panels || index < 0 || index >= count())
    return false;
  int position = 0;
  for (dom::Element* tab = tabs->firstElementChild(); tab; tab = tab->nextElementSibling()) {
    if (position++ == index) {
      tab->setAttributeValue(u"selected", u"true");
    } else {
      tab->removeAttribute(u"selected");
    }
  }
  position = 0;
  for (dom::Element* browser = panels->firstElementChild(); browser;
       browser = browser->nextElementSibling()) {
    browser->setAttributeValue(u"type",
                               position++ == index ? u"content-primary" : u"content-targetable");
  }
  panels->setAttributeValue(u"selectedIndex", number(index));
  mWindow.chromeChanged();
  mWindow.flush();
  mWindow.pageStateChanged();
  return true;
}

DocShell* TabBrowser::shell(int index) const {
  dom::Element* browser = browserAt(index);
  DocShell* chrome = mWindow.chromeShell();
  if (!browser || !chrome)
    return nullptr;
  for (const auto& child : chrome->children()) {
    if (child->frameElement() == browser)
      return child.get();
  }
  return nullptr;
}

void TabBrowser::updateLabel(DocShell& tabShell) {
  for (int index = 0; index < count(); ++index) {
    if (shell(index) != &tabShell)
      continue;
    dom::Element* tabs = element(u"tabbrowser-tabs");
    dom::Element* tab = tabs ? tabs->firstElementChild() : nullptr;
    for (int i = 0; tab && i < index; ++i)
      tab = tab->nextElementSibling();
    if (!tab)
      return;
    dom::Document* page = tabShell.document();
    std::u16string label = page ? page->title() : std::u16string();
    if (label.empty())
      label = dom::utf8ToUTF16(tabShell.currentUrl());
    if (tab->stringAttribute(u"label") != label)
      tab->setAttributeValue(u"label", label);
    return;
  }
}

bool TabBrowser::setFindBarShown(bool shown) {
  dom::Element* findBar = element(u"FindToolbar");
  if (!findBar)
    return false;
  if (shown) {
    findBar->removeAttribute(u"hidden");
  } else {
    findBar->setAttributeValue(u"hidden", u"true");
  }
  mWindow.chromeChanged();
  mWindow.flush();
  return true;
}

}  // namespace geckohost
