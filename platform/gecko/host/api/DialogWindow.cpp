#include "DialogWindow.h"

#include "DocShell.h"
#include "DocumentFaces.h"
#include "Widget.h"
#include "XULWindow.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost {

namespace {

const char kDialogChrome[] = "file://" GECKOHOST_CHROME_DIR "/dialog.xul";

// Puts the texts of `options` into the built-in dialog.
void fillIn(dom::Document& document, const DialogOptions& options) {
  if (dom::Element* root = document.documentElement()) {
    root->setAttributeValue(u"title", dom::utf8ToUTF16(options.title));
  }
  if (dom::Element* label = document.getElementById(u"info.title")) {
    label->setAttributeValue(u"value", dom::utf8ToUTF16(options.title));
  }
  if (dom::Element* body = document.getElementById(u"info.body")) {
    body->setTextContent(dom::utf8ToUTF16(options.message));
  }
  if (dom::Element* checkbox = document.getElementById(u"checkbox")) {
    checkbox->setAttributeValue(u"label", dom::utf8ToUTF16(options.checkboxLabel));
  }
}

}  // namespace

DialogWindow::DialogWindow(HostContext& context, BrowserWindow& owner, const DialogOptions& options)
    : mOwner(owner) {
  bool builtIn = options.chromeUrl.empty();
  mWindow = XULWindow::open(
      context, XULWindow::Kind::Dialog, {options.x, options.y, options.width, options.height},
      builtIn ? kDialogChrome : options.chromeUrl, &owner.window(),
      options.mode == LoadMode::Held ? DocShell::LoadMode::Held : DocShell::LoadMode::Complete);
  dom::Document* document = mWindow->chromeShell() ? mWindow->chromeShell()->document() : nullptr;
  if (builtIn && document)
    fillIn(*document, options);
  if (document)
    mWindow->setTitle(document->title());
  mWindow->activate();
  mWindow->flush();
}

DialogWindow::~DialogWindow() {
  close();
}

void DialogWindow::close() {
  if (mWindow)
    mWindow->close();
}

unsigned long DialogWindow::frameWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->frameWindowId() : 0;
}

unsigned long DialogWindow::topLevelWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->topLevelWindowId() : 0;
}

unsigned long DialogWindow::widgetWindow() const {
  return mWindow->mainWidget() ? mWindow->mainWidget()->nativeWindowId() : 0;
}

std::string DialogWindow::title() const {
  return dom::utf16ToUTF8(mWindow->title());
}

bool DialogWindow::isLoading() const {
  return mWindow->chromeShell() && mWindow->chromeShell()->isLoading();
}

void DialogWindow::completeLoad() {
  if (mWindow->chromeShell())
    mWindow->chromeShell()->completeLoad();
}

void DialogWindow::moveTo(int x, int y) {
  nsIntRect outer = mWindow->outerBounds();
  mWindow->setOuterBounds({x, y, outer.width, outer.height});
}

nsCOMPtr<nsIXULWindow> DialogWindow::xulWindow() const {
  return static_cast<nsIXULWindow*>(mWindow.get());
}

nsCOMPtr<nsIDOMDocument> DialogWindow::document() const {
  DocShell* chrome = mWindow->chromeShell();
  return faces::domDocument(chrome ? chrome->document() : nullptr);
}

}  // namespace geckohost
