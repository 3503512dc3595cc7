#include "DialogWindow.h"

#include "DialogControls.h"
#include "DocShell.h"
#include "DocumentFaces.h"
#include "Widget.h"
#include "XULWindow.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"

namespace geckohost {

namespace {

#define GECKOHOST_CHROME_FILE(name) "file://" GECKOHOST_CHROME_DIR "/" name

struct KindChrome {
  DialogKind kind;
  const char* url;
  const char* title;    // when DialogOptions::title is empty
  const char* message;  // when DialogOptions::message is empty
};

const KindChrome kKinds[] = {
    {DialogKind::Alert, GECKOHOST_CHROME_FILE("dialog.xul"), "Alert", ""},
    {DialogKind::Confirm, GECKOHOST_CHROME_FILE("dialog.xul"), "Confirm", "Are you sure?"},
    {DialogKind::Prompt, GECKOHOST_CHROME_FILE("dialog.xul"), "Prompt", ""},
    {DialogKind::HelperApp, GECKOHOST_CHROME_FILE("helperApp.xul"), "Opening", "file"},
    {DialogKind::Find, GECKOHOST_CHROME_FILE("find.xul"), "Find", ""},
    {DialogKind::CookieAccept, GECKOHOST_CHROME_FILE("cookieAccept.xul"), "Confirm setting cookie",
     "The site would like to set a cookie."},
};

const KindChrome& chromeOf(DialogKind kind) {
  for (const KindChrome& entry : kKinds) {
    if (entry.kind == kind)
      return entry;
  }
  return kKinds[1];
}

void setCollapsed(dom::Element* element, bool collapsed) {
  if (element)
    element->setAttributeValue(u"collapsed", collapsed ? u"true" : u"false");
}

// The dialog binding's button of `dlgtype` (anonymous content of the root).
dom::Element* dialogButton(dom::Document& document, std::u16string_view dlgtype) {
  dom::Element* root = document.documentElement();
  std::vector<dom::Node*> pending;
  if (root) {
    for (const auto& generated : root->anonymousChildren())
      pending.push_back(generated.get());
  }
  while (!pending.empty()) {
    dom::Node* node = pending.back();
    pending.pop_back();
    if (!node->isElement())
      continue;
    auto* element = static_cast<dom::Element*>(node);
    if (element->stringAttribute(u"dlgtype") == dlgtype)
      return element;
    for (dom::Node* child = element->firstChild(); child; child = child->nextSibling())
      pending.push_back(child);
  }
  return nullptr;
}

// alert, confirm and prompt share the common dialog; the kind decides what shows.
void fillInCommon(dom::Document& document, const DialogOptions& options,
                  const std::u16string& title, const std::u16string& message) {
  if (dom::Element* label = document.getElementById(u"info.title"))
    label->setAttributeValue(u"value", title);
  if (dom::Element* body = document.getElementById(u"info.body"))
    body->setTextContent(message);
  dom::Element* textbox = document.getElementById(u"loginTextbox");
  setCollapsed(textbox, options.kind != DialogKind::Prompt);
  if (textbox)
    textbox->setAttributeValue(u"value", dom::utf8ToUTF16(options.text));
  std::string label =
      options.checkboxLabel.value_or(options.kind == DialogKind::Confirm ? "Do not ask again" : "");
  dom::Element* checkbox = document.getElementById(u"checkbox");
  setCollapsed(checkbox, label.empty());
  if (checkbox) {
    checkbox->setAttributeValue(u"label", dom::utf8ToUTF16(label));
    checkbox->setAttributeValue(u"checked", options.checked ? u"true" : u"false");
  }
  if (options.kind == DialogKind::Alert) {
    if (dom::Element* root = document.documentElement())
      root->setAttributeValue(u"buttons", u"accept");
    if (dom::Element* cancel = dialogButton(document, u"cancel"))
      cancel->setAttributeValue(u"collapsed", u"true");
  }
}

void fillInHelperApp(dom::Document& document, const DialogOptions& options,
                     const std::u16string& message) {
  std::u16string file = dom::utf8ToUTF16(options.text.empty() ? "download" : options.text);
  if (dom::Element* location = document.getElementById(u"location"))
    location->setTextContent(file);
  if (dom::Element* type = document.getElementById(u"type"))
    type->setTextContent(u"which is a: " + message);
  if (dom::Element* remember = document.getElementById(u"rememberChoice"))
    remember->setAttributeValue(u"checked", options.checked ? u"true" : u"false");
}

// Puts the texts of `options` into the kind's own chrome.
void fillIn(dom::Document& document, const DialogOptions& options) {
  const KindChrome& chrome = chromeOf(options.kind);
  std::u16string title = dom::utf8ToUTF16(options.title.empty() ? chrome.title : options.title);
  std::u16string message =
      dom::utf8ToUTF16(options.message.empty() ? chrome.message : options.message);
  if (options.kind == DialogKind::HelperApp && options.title.empty())
    title += u" " + dom::utf8ToUTF16(options.text.empty() ? "download" : options.text);
  if (dom::Element* root = document.documentElement())
    root->setAttributeValue(u"title", title);
  switch (options.kind) {
    case DialogKind::Alert:
    case DialogKind::Confirm:
    case DialogKind::Prompt:
      fillInCommon(document, options, title, message);
      break;
    case DialogKind::HelperApp:
      fillInHelperApp(document, options, message);
      break;
    case DialogKind::Find:
      if (dom::Element* key = document.getElementById(u"dialog.findKey"))
        key->setAttributeValue(u"value", dom::utf8ToUTF16(options.text));
      break;
    case DialogKind::CookieAccept:
      if (dom::Element* header = document.getElementById(u"dialog-header"))
        header->setTextContent(message);
      if (dom::Element* host = document.getElementById(u"ifl_host"))
        host->setAttributeValue(u"value", u"Host: " + dom::utf8ToUTF16(options.text));
      break;
  }
}

}  // namespace

DialogWindow::DialogWindow(HostContext& context, BrowserWindow& owner, const DialogOptions& options)
    : mOwner(owner), mKind(options.kind), mOnAnswer(options.onAnswer) {
  bool builtIn = options.chromeUrl.empty();
  mWindow = XULWindow::open(
      context, XULWindow::Kind::Dialog, {options.x, options.y, options.width, options.height},
      builtIn ? chromeOf(options.kind).url : options.chromeUrl, &owner.window(),
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

bool DialogWindow::isOpen() const {
  return !mWindow->isClosed();
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

void DialogWindow::paint() {
  mWindow->paint();
}

// --- Answering -------------------------------------------------------------------------------

bool DialogWindow::answers(const std::string& dlgtype) const {
  if (dlgtype == "cancel")
    return true;
  if (dlgtype == "accept")
    return mKind != DialogKind::Find;  // "Find Next" searches; the dialog stays
  return dlgtype == "extra1" && mKind == DialogKind::CookieAccept;
}

bool DialogWindow::press(const std::string& name) {
  dom::Document* document = mWindow->chromeShell() ? mWindow->chromeShell()->document() : nullptr;
  if (!document || !isOpen())
    return false;
  DialogControls controls(*document);
  dom::Element* button = controls.button(dom::utf8ToUTF16(name));
  if (!button)
    return false;
  std::string dlgtype = dom::utf16ToUTF8(button->stringAttribute(u"dlgtype"));
  if (!answers(dlgtype))
    return true;  // pressed; the dialog goes on
  mAnswer.answered = true;
  mAnswer.button = dlgtype.empty() ? dom::utf16ToUTF8(button->stringAttribute(u"label")) : dlgtype;
  mAnswer.text = dom::utf16ToUTF8(controls.text());
  dom::Element* checkbox = controls.firstCheckbox();
  mAnswer.checked = checkbox && DialogControls::isChecked(*checkbox);
  dom::Element* radio = controls.selectedRadio();
  mAnswer.choice = radio ? dom::utf16ToUTF8(radio->id()) : std::string();
  if (mOnAnswer)
    mOnAnswer(mAnswer);
  close();
  return true;
}

bool DialogWindow::setText(const std::string& text) {
  dom::Document* document = mWindow->chromeShell() ? mWindow->chromeShell()->document() : nullptr;
  return document && isOpen() && DialogControls(*document).setText(dom::utf8ToUTF16(text));
}

bool DialogWindow::setChecked(const std::string& name, bool checked) {
  dom::Document* document = mWindow->chromeShell() ? mWindow->chromeShell()->document() : nullptr;
  return document && isOpen() &&
         DialogControls(*document).setChecked(dom::utf8ToUTF16(name), checked);
}

nsCOMPtr<nsIXULWindow> DialogWindow::xulWindow() const {
  return static_cast<nsIXULWindow*>(mWindow.get());
}

nsCOMPtr<nsIDOMDocument> DialogWindow::document() const {
  DocShell* chrome = mWindow->chromeShell();
  return faces::domDocument(chrome ? chrome->document() : nullptr);
}

}  // namespace geckohost
