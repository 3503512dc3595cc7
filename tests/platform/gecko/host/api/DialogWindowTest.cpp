// The browser's dialogs as the product walks them: each kind's chrome (root id, the controls
// it shows and the ones it keeps collapsed, their screen boxes), the Gecko calls from the XUL
// window down to the document and its anonymous button box, and answering them: pressing a
// button by dlgtype or label, typing, checking, and the dialog closing as Firefox's does.
#include <cstdint>
#include <optional>

#include "HostFixture.h"
#include "XULBoxes.h"
#include "nsIBaseWindow.h"
#include "nsIBoxObject.h"
#include "nsIContentViewer.h"
#include "nsIDOMAttr.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIDocument.h"
#include "nsIDocumentViewer.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsIWidget.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"

using geckohost::BrowserWindow;
using geckohost::DialogAnswer;
using geckohost::DialogKind;
using geckohost::DialogOptions;
using geckohost::DialogWindow;
using testsupport::ClassHint;

namespace {

// The dialogs in these tests open at (300, 250, 360, 200): their top level is on the screen
// at (304, 274), W = 352, H = 172.
const int X = 304, Y = 274, W = 352, H = 172;

class DialogWindowTest : public HostFixture {
 protected:
  DialogWindow& open(DialogOptions options) {
    if (!browser)
      browser = &host->openBrowserWindow();
    options.x = 300;
    options.y = 250;
    options.width = 360;
    options.height = 200;
    return host->openDialog(*browser, options);
  }

  static nsIntRect screenBoxOf(nsIDOMElement* element) { return testsupport::ScreenBoxOf(element); }

  // The product's lookup: nsIDOMXULDocument::GetElementsByAttribute("id", id).
  static nsCOMPtr<nsIDOMElement> byIdAttribute(nsIDOMDocument* document, const char* id) {
    nsCOMPtr<nsIDOMXULDocument> xul = do_QueryInterface(document);
    nsCOMPtr<nsIDOMNodeList> found;
    nsCOMPtr<nsIDOMNode> first;
    if (xul && NS_SUCCEEDED(xul->GetElementsByAttribute(
                   NS_ConvertUTF8toUTF16("id"), NS_ConvertUTF8toUTF16(id), getter_AddRefs(found))))
      found->Item(0, getter_AddRefs(first));
    return do_QueryInterface(first);
  }

  // The "collapsed" attribute as the product reads it: through its attribute node.
  static std::optional<std::string> collapsedOf(nsIDOMElement* element) {
    nsCOMPtr<nsIDOMAttr> attribute;
    element->GetAttributeNode(NS_ConvertUTF8toUTF16("collapsed"), getter_AddRefs(attribute));
    if (!attribute)
      return std::nullopt;
    nsString value;
    attribute->GetValue(value);
    return utf8(value);
  }

  static std::string attribute(nsIDOMElement* element, const char* name) {
    nsString value;
    if (element)
      element->GetAttribute(NS_ConvertUTF8toUTF16(name), value);
    return utf8(value);
  }

  static std::string rootId(DialogWindow& dialog) {
    nsCOMPtr<nsIDOMElement> root;
    dialog.document()->GetDocumentElement(getter_AddRefs(root));
    return attribute(root, "id");
  }

  // The dialog binding's anonymous content of the root: the button box and its buttons.
  static nsCOMPtr<nsIDOMElement> anonymousButtonBox(nsIDOMDocument* document) {
    nsCOMPtr<nsIDOMElement> root;
    document->GetDocumentElement(getter_AddRefs(root));
    nsCOMPtr<nsIDOMDocumentXBL> xbl = do_QueryInterface(document);
    nsCOMPtr<nsIDOMNodeList> generated;
    if (xbl)
      xbl->GetAnonymousNodes(root, getter_AddRefs(generated));
    nsCOMPtr<nsIDOMNode> first;
    if (generated)
      generated->Item(0, getter_AddRefs(first));
    return do_QueryInterface(first);
  }

  static nsCOMPtr<nsIDOMElement> button(nsIDOMDocument* document, const char* dlgtype) {
    nsCOMPtr<nsIDOMElement> box = anonymousButtonBox(document);
    nsCOMPtr<nsIDOMNodeList> children;
    if (box)
      box->GetChildNodes(getter_AddRefs(children));
    PRUint32 length = 0;
    if (children)
      children->GetLength(&length);
    for (PRUint32 i = 0; i < length; ++i) {
      nsCOMPtr<nsIDOMNode> child;
      children->Item(i, getter_AddRefs(child));
      nsCOMPtr<nsIDOMElement> element = do_QueryInterface(child);
      if (element && attribute(element, "dlgtype") == dlgtype)
        return element;
    }
    return nullptr;
  }

  BrowserWindow* browser = nullptr;
};

TEST_F(DialogWindowTest, TheProductsWalkFromTheXULWindowToTheDocumentAndItsButtons) {
  DialogOptions options;
  options.kind = DialogKind::Confirm;
  options.message = "Leave the page?";
  options.checkboxLabel = "";  // none: it stays in the document, collapsed
  options.mode = geckohost::LoadMode::Held;
  DialogWindow& dialog = open(options);
  EXPECT_EQ(observer.classHint(dialog.topLevelWindow()), (ClassHint{"Dialog", "Firefox"}));
  EXPECT_EQ(observer.transientFor(dialog.topLevelWindow()), browser->topLevelWindow());

  nsCOMPtr<nsIXULWindow> window = dialog.xulWindow();
  nsCOMPtr<nsIDocShell> shell;
  ASSERT_EQ(window->GetDocShell(getter_AddRefs(shell)), NS_OK);
  PRUint32 busy = 0;
  shell->GetBusyFlags(&busy);
  EXPECT_NE(busy, nsIDocShell::BUSY_FLAGS_NONE);
  dialog.completeLoad();
  shell->GetBusyFlags(&busy);
  EXPECT_EQ(busy, nsIDocShell::BUSY_FLAGS_NONE);

  nsCOMPtr<nsIContentViewer> viewer;
  shell->GetContentViewer(getter_AddRefs(viewer));
  nsCOMPtr<nsIDocumentViewer> documentViewer = do_QueryInterface(viewer);
  ASSERT_TRUE(documentViewer);
  nsCOMPtr<nsIDocument> document;
  documentViewer->GetDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMNode> documentNode = do_QueryInterface(document);
  ASSERT_TRUE(documentNode);
  EXPECT_EQ(documentNode, nsCOMPtr<nsIDOMNode>(do_QueryInterface(dialog.document())));
  nsCOMPtr<nsIDOMWindowInternal> domWindow = do_GetInterface(shell);
  ASSERT_TRUE(domWindow);
  nsCOMPtr<nsIDOMDocument> windowDocument;
  domWindow->GetDocument(getter_AddRefs(windowDocument));
  EXPECT_EQ(windowDocument, dialog.document());

  nsCOMPtr<nsIBaseWindow> base = do_QueryInterface(window);
  nsCOMPtr<nsIWidget> widget;
  base->GetMainWidget(getter_AddRefs(widget));
  ASSERT_TRUE(widget);
  nsIntRect bounds;
  widget->GetBounds(bounds);
  EXPECT_EQ(bounds, nsIntRect(X, Y, W, H));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(widget->GetNativeData(8)), dialog.widgetWindow());
  PRUnichar* title = nullptr;
  base->GetTitle(&title);
  EXPECT_EQ(std::string(NS_ConvertUTF16toUTF8(title).get()), "Confirm");
  nsMemory::Free(title);

  // The button box is anonymous content: not a child of the dialog, found through XBL, with
  // its class name; collapsed controls are still in the document.
  nsCOMPtr<nsIDOMElement> root;
  dialog.document()->GetDocumentElement(getter_AddRefs(root));
  nsCOMPtr<nsIDOMNode> lastChild;
  root->GetLastChild(getter_AddRefs(lastChild));
  nsCOMPtr<nsIDOMElement> box = anonymousButtonBox(dialog.document());
  ASSERT_TRUE(box);
  EXPECT_NE(nsCOMPtr<nsIDOMNode>(do_QueryInterface(box)), lastChild);
  nsCOMPtr<nsIDOMXULElement> xulBox = do_QueryInterface(box);
  nsString className;
  xulBox->GetClassName(className);
  EXPECT_EQ(utf8(className), "dialog-button-box");
  EXPECT_EQ(screenBoxOf(box), nsIntRect(X, Y + H - 26, W, 26));
  EXPECT_EQ(screenBoxOf(button(dialog.document(), "accept")),
            nsIntRect(X + W - 160, Y + H - 26, 80, 26));
  EXPECT_EQ(screenBoxOf(button(dialog.document(), "cancel")),
            nsIntRect(X + W - 80, Y + H - 26, 80, 26));
  nsCOMPtr<nsIDOMElement> textbox = byIdAttribute(dialog.document(), "loginTextbox");
  ASSERT_TRUE(textbox);
  EXPECT_EQ(collapsedOf(textbox), "true");
  EXPECT_EQ(screenBoxOf(textbox), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(collapsedOf(byIdAttribute(dialog.document(), "checkbox")), "true");
  nsCOMPtr<nsIDOMElement> body = byIdAttribute(dialog.document(), "info.body");
  nsString text;
  nsCOMPtr<nsIDOMNode> bodyNode = do_QueryInterface(body);
  nsCOMPtr<nsIDOMNode> textNode;
  bodyNode->GetFirstChild(getter_AddRefs(textNode));
  ASSERT_TRUE(textNode);
  textNode->GetNodeValue(text);
  EXPECT_EQ(utf8(text), "Leave the page?");
  EXPECT_EQ(screenBoxOf(body), nsIntRect(X, Y + 18, W, 18));
}

TEST_F(DialogWindowTest, CommonDialogsShowWhatTheirKindNeeds) {
  DialogOptions alertOptions;
  alertOptions.kind = DialogKind::Alert;
  alertOptions.message = "Saved.";
  DialogWindow& alert = open(alertOptions);
  EXPECT_EQ(rootId(alert), "commonDialog");
  EXPECT_EQ(alert.title(), "Alert");
  EXPECT_EQ(screenBoxOf(button(alert.document(), "cancel")), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(collapsedOf(button(alert.document(), "cancel")), "true");
  // With cancel hidden, OK moves to the right edge.
  EXPECT_EQ(screenBoxOf(button(alert.document(), "accept")),
            nsIntRect(X + W - 80, Y + H - 26, 80, 26));
  EXPECT_FALSE(alert.press("cancel"));
  EXPECT_TRUE(alert.isOpen());

  DialogOptions promptOptions;
  promptOptions.kind = DialogKind::Prompt;
  promptOptions.title = "Name";
  promptOptions.message = "Your name?";
  promptOptions.text = "Ada";
  promptOptions.checkboxLabel = "Remember";
  DialogWindow& prompt = open(promptOptions);
  EXPECT_EQ(prompt.title(), "Name");
  nsCOMPtr<nsIDOMElement> textbox = byIdAttribute(prompt.document(), "loginTextbox");
  EXPECT_EQ(collapsedOf(textbox), "false");
  EXPECT_EQ(attribute(textbox, "value"), "Ada");
  // title label, message, text box, check box from the top.
  EXPECT_EQ(screenBoxOf(textbox), nsIntRect(X, Y + 36, W, 24));
  nsCOMPtr<nsIDOMElement> checkbox = byIdAttribute(prompt.document(), "checkbox");
  EXPECT_EQ(screenBoxOf(checkbox), nsIntRect(X, Y + 60, W, 22));
  EXPECT_EQ(attribute(checkbox, "label"), "Remember");
}

TEST_F(DialogWindowTest, AnsweringAPromptClosesItAndTellsTheAnswerOnce) {
  int calls = 0;
  DialogAnswer heard;
  DialogOptions options;
  options.kind = DialogKind::Prompt;
  options.text = "first";
  options.checkboxLabel = "Remember";
  options.onAnswer = [&](const DialogAnswer& answer) {
    ++calls;
    heard = answer;
  };
  DialogWindow& dialog = open(options);
  unsigned long frame = dialog.frameWindow();
  EXPECT_FALSE(dialog.answer().answered);
  EXPECT_TRUE(dialog.setText("Ada Lovelace"));
  EXPECT_TRUE(dialog.setChecked("Remember", true));
  EXPECT_FALSE(dialog.setChecked("No such box", true));
  EXPECT_FALSE(dialog.press("help"));
  EXPECT_TRUE(dialog.isOpen());
  EXPECT_TRUE(dialog.press("OK"));  // by label
  EXPECT_FALSE(dialog.isOpen());
  EXPECT_FALSE(observer.exists(frame));
  EXPECT_EQ(dialog.frameWindow(), 0u);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(heard.answered);
  EXPECT_EQ(heard.button, "accept");
  EXPECT_EQ(heard.text, "Ada Lovelace");
  EXPECT_TRUE(heard.checked);
  EXPECT_EQ(dialog.answer().text, "Ada Lovelace");
  // Closed: nothing more happens.
  EXPECT_FALSE(dialog.press("cancel"));
  EXPECT_FALSE(dialog.setText("late"));
  EXPECT_EQ(calls, 1);

  DialogWindow& confirm = open({});  // with its own check box, "Do not ask again"
  EXPECT_TRUE(confirm.setChecked("Do not ask again", true));
  EXPECT_TRUE(confirm.press("cancel"));
  EXPECT_EQ(confirm.answer().button, "cancel");
  EXPECT_EQ(confirm.answer().text, "");
  EXPECT_TRUE(confirm.answer().checked);
  EXPECT_FALSE(confirm.isOpen());
}

TEST_F(DialogWindowTest, HelperAppFindAndCookieDialogs) {
  DialogOptions helperOptions;
  helperOptions.kind = DialogKind::HelperApp;
  helperOptions.text = "report.pdf";
  helperOptions.message = "PDF document";
  DialogWindow& helper = open(helperOptions);
  EXPECT_EQ(rootId(helper), "nsHelperAppDlg");
  EXPECT_EQ(helper.title(), "Opening report.pdf");
  nsCOMPtr<nsIDOMDocument> document = helper.document();
  // Descriptions 18 px each, the prompt label, then the radio group's two rows.
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "open")), nsIntRect(X, Y + 72, W, 22));
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "save")), nsIntRect(X, Y + 94, W, 22));
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "rememberChoice")), nsIntRect(X, Y + 116, W, 22));
  EXPECT_TRUE(helper.setChecked("Open with", true));
  EXPECT_EQ(attribute(byIdAttribute(document, "save"), "selected"), "");
  EXPECT_FALSE(helper.setChecked("open", false));  // a radio is cleared by choosing another
  EXPECT_TRUE(helper.setChecked("Do this automatically for files like this from now on.", true));
  EXPECT_TRUE(helper.press("accept"));
  EXPECT_EQ(helper.answer().choice, "open");
  EXPECT_TRUE(helper.answer().checked);
  EXPECT_FALSE(helper.isOpen());

  DialogOptions findOptions;
  findOptions.kind = DialogKind::Find;
  findOptions.text = "needle";
  DialogWindow& find = open(findOptions);
  document = find.document();
  EXPECT_EQ(rootId(find), "findDialog");
  nsCOMPtr<nsIDOMElement> key = byIdAttribute(document, "dialog.findKey");
  EXPECT_EQ(attribute(key, "value"), "needle");
  EXPECT_EQ(screenBoxOf(key), nsIntRect(X + 100, Y, W - 100, 24));
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "dialog.caseSensitive")),
            nsIntRect(X, Y + 24, W - 200, 22));
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "radioUp")),
            nsIntRect(X + W - 200, Y + 24, 100, 44));
  EXPECT_TRUE(find.setChecked("Match case", true));
  EXPECT_TRUE(find.press("Find Next"));  // searches; the dialog stays
  EXPECT_TRUE(find.isOpen());
  EXPECT_FALSE(find.answer().answered);
  EXPECT_TRUE(find.press("cancel"));
  EXPECT_EQ(find.answer().button, "cancel");
  EXPECT_EQ(find.answer().text, "needle");
  EXPECT_EQ(find.answer().choice, "radioDown");
  EXPECT_TRUE(find.answer().checked);

  DialogOptions cookieOptions;
  cookieOptions.kind = DialogKind::CookieAccept;
  cookieOptions.text = "shop.example.com";
  DialogWindow& cookie = open(cookieOptions);
  document = cookie.document();
  EXPECT_EQ(rootId(cookie), "cookieAcceptDialog");
  nsCOMPtr<nsIDOMElement> details = byIdAttribute(document, "infobox");
  EXPECT_EQ(collapsedOf(details), "true");
  EXPECT_EQ(screenBoxOf(byIdAttribute(document, "ifl_host")), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(attribute(byIdAttribute(document, "ifl_host"), "value"), "Host: shop.example.com");
  EXPECT_EQ(screenBoxOf(button(document, "extra1")), nsIntRect(X + W - 240, Y + H - 26, 80, 26));
  EXPECT_TRUE(cookie.press("Allow for Session"));
  EXPECT_EQ(cookie.answer().button, "extra1");
  EXPECT_FALSE(cookie.isOpen());
}

// A window owned by the browser whose XUL document shows an HTML page in a content browser:
// the product finds the page through the chrome window's frames.
TEST_F(DialogWindowTest, AnHTMLPageInADialogIsAFrameOfItsWindow) {
  page("http://test/inner.html", "<title>inner</title><p>text</p>");
  DialogOptions options;
  options.chromeUrl = "file://" GECKOHOST_TEST_PAGES "/pageDialog.xul";
  DialogWindow& dialog = open(options);
  EXPECT_EQ(dialog.title(), "A page");
  nsCOMPtr<nsIDocShell> chrome;
  dialog.xulWindow()->GetDocShell(getter_AddRefs(chrome));
  nsCOMPtr<nsIDOMWindow> chromeWindow = do_GetInterface(chrome);
  ASSERT_TRUE(chromeWindow);
  nsCOMPtr<nsIDOMWindowCollection> frames;
  chromeWindow->GetFrames(getter_AddRefs(frames));
  PRUint32 length = 0;
  frames->GetLength(&length);
  ASSERT_EQ(length, 1u);
  nsCOMPtr<nsIDOMWindow> inner;
  frames->Item(0, getter_AddRefs(inner));
  nsCOMPtr<nsIDOMDocument> innerDocument;
  inner->GetDocument(getter_AddRefs(innerDocument));
  ASSERT_TRUE(innerDocument);
  nsCOMPtr<nsIDOMElement> innerRoot;
  innerDocument->GetDocumentElement(getter_AddRefs(innerRoot));
  nsString tag;
  innerRoot->GetTagName(tag);
  EXPECT_EQ(utf8(tag), "HTML");

  // A content shell of its own, below the label, in a widget of its own.
  nsCOMPtr<nsIDocShell> frameShell = do_GetInterface(inner);
  ASSERT_TRUE(frameShell);
  EXPECT_NE(frameShell, chrome);
  nsCOMPtr<nsIBaseWindow> frameBase = do_QueryInterface(frameShell);
  nsCOMPtr<nsIWidget> frameWidget;
  frameBase->GetMainWidget(getter_AddRefs(frameWidget));
  ASSERT_TRUE(frameWidget);
  nsIntRect bounds;
  frameWidget->GetScreenBounds(bounds);
  EXPECT_EQ(bounds, nsIntRect(X, Y + 18, W, H - 18 - 26));
  EXPECT_EQ(observer.parentOf(reinterpret_cast<uintptr_t>(frameWidget->GetNativeData(0))),
            dialog.widgetWindow());
  EXPECT_TRUE(dialog.press("cancel"));
}

}  // namespace
