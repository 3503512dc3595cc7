#include "BrowserWindow.h"

#include "ContentViewer.h"
#include "DocShell.h"
#include "DocumentFaces.h"
#include "OuterWindow.h"
#include "TabBrowser.h"
#include "Widget.h"
#include "XULWindow.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLSelectElement.h"
#include "layout/DocumentLayout.h"
#include "nsIComboboxControlFrame.h"

namespace geckohost {

namespace {

const char kBrowserChrome[] = "file://" GECKOHOST_CHROME_DIR "/browser.xul";

DocShell::LoadMode shellMode(LoadMode mode) {
  return mode == LoadMode::Held ? DocShell::LoadMode::Held : DocShell::LoadMode::Complete;
}

// The shell reached from a tab's page by a path of frame indexes; null when there is none.
DocShell* frameAt(DocShell* shell, const std::vector<int>& path) {
  for (int index : path) {
    if (!shell || index < 0)
      return nullptr;
    const auto& frames = shell->children();
    if (static_cast<size_t>(index) >= frames.size())
      return nullptr;
    shell = frames[static_cast<size_t>(index)].get();
  }
  return shell;
}

// The shell of this window showing `element`'s page, with the element; null when it is not
// an element of one of the window's pages.
DocShell* pageShellOf(XULWindow& window, nsIDOMElement* element, dom::Element*& target) {
  target = faces::element(element);
  dom::Document* document = target ? target->ownerDocument() : nullptr;
  auto* shell = document ? dynamic_cast<DocShell*>(document->container()) : nullptr;
  if (!shell || shell->owner() != &window || !target->isInDocument() || !shell->layout())
    return nullptr;
  return shell;
}

nsIComboboxControlFrame* comboFrameOf(DocShell& shell, dom::Element& select) {
  return do_QueryFrame(shell.layout()->primaryFrameFor(select));
}

}  // namespace

BrowserWindow::BrowserWindow(HostContext& context, const BrowserWindowOptions& options)
    : mWindow(XULWindow::open(context, XULWindow::Kind::Browser,
                              {options.x, options.y, options.width, options.height},
                              options.chromeUrl.empty() ? kBrowserChrome : options.chromeUrl,
                              nullptr, DocShell::LoadMode::Complete)) {
  mWindow->setHomePage(options.homePage);
  TabBrowser tabs(*mWindow);
  for (const std::string& url : options.urls) {
    int tab = tabs.add(url);
    if (DocShell* shell = tabs.shell(tab))
      shell->setZoom(options.zoom);
  }
  if (options.selectedTab != 0)
    tabs.select(options.selectedTab);
  mWindow->activate();
  mWindow->flush();
}

BrowserWindow::~BrowserWindow() {
  close();
}

void BrowserWindow::close() {
  if (mWindow)
    mWindow->close();
}

unsigned long BrowserWindow::frameWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->frameWindowId() : 0;
}

unsigned long BrowserWindow::topLevelWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->topLevelWindowId() : 0;
}

unsigned long BrowserWindow::widgetWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->nativeWindowId() : 0;
}

unsigned long BrowserWindow::contentWidgetWindow(int tab) const {
  DocShell* shell = TabBrowser(*mWindow).shell(tab);
  return shell && shell->widget() ? shell->widget()->nativeWindowId() : 0;
}

int BrowserWindow::tabCount() const {
  return TabBrowser(*mWindow).count();
}

int BrowserWindow::selectedTab() const {
  return TabBrowser(*mWindow).selected();
}

int BrowserWindow::addTab(const std::string& url) {
  TabBrowser tabs(*mWindow);
  int tab = tabs.add(url);
  DocShell* first = tabs.shell(0);
  DocShell* added = tabs.shell(tab);
  if (first && added && first != added)
    added->setZoom(first->zoom());
  mWindow->flush();
  return tab;
}

void BrowserWindow::paint() {
  mWindow->paint();
}

bool BrowserWindow::selectTab(int index) {
  if (!TabBrowser(*mWindow).select(index))
    return false;
  mWindow->focusContent();
  return true;
}

void BrowserWindow::loadUrl(const std::string& url, LoadMode mode) {
  loadUrl(selectedTab(), url, mode);
}

void BrowserWindow::loadUrl(int tab, const std::string& url, LoadMode mode) {
  if (DocShell* shell = TabBrowser(*mWindow).shell(tab)) {
    shell->loadUrl(url, shellMode(mode));
    mWindow->flush();
  }
}

bool BrowserWindow::isLoading(int tab) const {
  DocShell* shell = TabBrowser(*mWindow).shell(tab);
  return shell && shell->isLoading();
}

void BrowserWindow::completeLoad(int tab) {
  if (DocShell* shell = TabBrowser(*mWindow).shell(tab))
    shell->completeLoad();
}

std::string BrowserWindow::currentUrl(int tab) const {
  DocShell* shell = TabBrowser(*mWindow).shell(tab);
  return shell ? shell->currentUrl() : std::string();
}

bool BrowserWindow::canGoBack() const {
  DocShell* shell = TabBrowser(*mWindow).shell(selectedTab());
  return shell && shell->history().canGoBack();
}

bool BrowserWindow::canGoForward() const {
  DocShell* shell = TabBrowser(*mWindow).shell(selectedTab());
  return shell && shell->history().canGoForward();
}

bool BrowserWindow::back() {
  DocShell* shell = TabBrowser(*mWindow).shell(selectedTab());
  bool moved = shell && shell->goBack();
  mWindow->flush();
  return moved;
}

bool BrowserWindow::forward() {
  DocShell* shell = TabBrowser(*mWindow).shell(selectedTab());
  bool moved = shell && shell->goForward();
  mWindow->flush();
  return moved;
}

bool BrowserWindow::home() {
  DocShell* shell = TabBrowser(*mWindow).shell(selectedTab());
  if (!shell || mWindow->homePage().empty())
    return false;
  shell->loadUrl(mWindow->homePage());
  mWindow->flush();
  return true;
}

void BrowserWindow::setHomePage(const std::string& url) {
  mWindow->setHomePage(url);
}

std::string BrowserWindow::homePage() const {
  return mWindow->homePage();
}

void BrowserWindow::setStatusText(const std::string& utf8Text) {
  mWindow->setStatusText(dom::utf8ToUTF16(utf8Text));
  mWindow->flush();
}

std::string BrowserWindow::statusText() const {
  return dom::utf16ToUTF8(mWindow->statusText());
}

void BrowserWindow::setZoom(int tab, float devicePixelsPerCSSPixel) {
  if (DocShell* shell = TabBrowser(*mWindow).shell(tab)) {
    shell->setZoom(devicePixelsPerCSSPixel);
    mWindow->flush();
  }
}

float BrowserWindow::zoom(int tab) const {
  DocShell* shell = TabBrowser(*mWindow).shell(tab);
  return shell ? shell->zoom() : 1.0f;
}

void BrowserWindow::setFindBarShown(bool shown) {
  TabBrowser(*mWindow).setFindBarShown(shown);
}

void BrowserWindow::activate() {
  mWindow->activate();
}

bool BrowserWindow::focusFrame(const std::vector<int>& path) {
  DocShell* shell = frameAt(TabBrowser(*mWindow).shell(selectedTab()), path);
  return shell && mWindow->focusShell(*shell);
}

bool BrowserWindow::focusElement(nsIDOMElement* element) {
  dom::Element* target = faces::element(element);
  dom::Document* document = target ? target->ownerDocument() : nullptr;
  auto* shell = document ? dynamic_cast<DocShell*>(document->container()) : nullptr;
  if (!shell || shell->owner() != mWindow.get() || !target->isInDocument())
    return false;
  document->setFocusedElement(target);
  return mWindow->focusShell(*shell);
}

bool BrowserWindow::openDropDown(nsIDOMElement* select) {
  dom::Element* target = nullptr;
  DocShell* shell = pageShellOf(*mWindow, select, target);
  nsIComboboxControlFrame* combo = shell ? comboFrameOf(*shell, *target) : nullptr;
  if (!combo)
    return false;
  focusElement(select);
  combo->ShowDropDown(PR_TRUE);
  mWindow->flush();
  return true;
}

bool BrowserWindow::closeDropDown(nsIDOMElement* select) {
  dom::Element* target = nullptr;
  DocShell* shell = pageShellOf(*mWindow, select, target);
  nsIComboboxControlFrame* combo = shell ? comboFrameOf(*shell, *target) : nullptr;
  if (!combo || !combo->IsDroppedDown())
    return false;
  combo->ShowDropDown(PR_FALSE);
  mWindow->flush();
  return true;
}

bool BrowserWindow::chooseDropDownOption(nsIDOMElement* select, int index) {
  dom::Element* target = nullptr;
  DocShell* shell = pageShellOf(*mWindow, select, target);
  nsIComboboxControlFrame* combo = shell ? comboFrameOf(*shell, *target) : nullptr;
  auto* list = static_cast<dom::HTMLSelectElement*>(target);
  if (!combo || !combo->IsDroppedDown() || index < 0 || uint32_t(index) >= list->length())
    return false;
  list->setSelectedIndex(index);
  // Choosing changed the document, and so the frames: ask again.
  if (nsIComboboxControlFrame* again = comboFrameOf(*shell, *target))
    again->ShowDropDown(PR_FALSE);
  mWindow->flush();
  return true;
}

unsigned long BrowserWindow::dropDownWindow(nsIDOMElement* select) const {
  dom::Element* target = nullptr;
  DocShell* shell = pageShellOf(*mWindow, select, target);
  PresShell* presShell = shell && shell->viewer() ? shell->viewer()->presShellObject() : nullptr;
  DropDownPopup* popup = presShell ? presShell->popupFor(*target) : nullptr;
  return popup ? popup->widget().nativeWindowId() : 0;
}

void BrowserWindow::moveTo(int x, int y) {
  nsIntRect outer = mWindow->outerBounds();
  mWindow->setOuterBounds({x, y, outer.width, outer.height});
}

void BrowserWindow::resizeTo(int width, int height) {
  nsIntRect outer = mWindow->outerBounds();
  mWindow->setOuterBounds({outer.x, outer.y, width, height});
}

nsCOMPtr<nsIXULWindow> BrowserWindow::xulWindow() const {
  return static_cast<nsIXULWindow*>(mWindow.get());
}

nsCOMPtr<nsIDOMDocument> BrowserWindow::chromeDocument() const {
  DocShell* chrome = mWindow->chromeShell();
  return faces::domDocument(chrome ? chrome->document() : nullptr);
}

nsCOMPtr<nsIDOMDocument> BrowserWindow::document(int tab, const std::vector<int>& path) const {
  DocShell* shell = frameAt(TabBrowser(*mWindow).shell(tab), path);
  return faces::domDocument(shell ? shell->document() : nullptr);
}

nsCOMPtr<nsIDOMWindow> BrowserWindow::domWindow(int tab, const std::vector<int>& path) const {
  DocShell* shell = frameAt(TabBrowser(*mWindow).shell(tab), path);
  return shell ? static_cast<nsIDOMWindow*>(shell->outer()) : nullptr;
}

}  // namespace geckohost
