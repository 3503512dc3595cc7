// The browser's dialogs as the agent meets them: found by X handle and among the top-level
// objects, their properties, and their controls in order. Dialog geometry follows
// docs/chrome.md: a dialog opened at (200, 150, 360, 200) has its top level at (204, 174).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AgentFixture.h"
#include "SlotCall.h"

using geckohost::BrowserWindow;
using geckohost::DialogOptions;
using geckohost::DialogWindow;

namespace {

class DialogObjectsTest : public AgentFixture {
 protected:
  void SetUp() override {
    AgentFixture::SetUp();
    page("http://test/a.html", "<title>A</title><p id=a>a</p>");
    geckohost::BrowserWindowOptions options;
    options.urls = {"http://test/a.html"};
    m_browser = &host->openBrowserWindow(options);
  }

  DialogWindow& openDialog(const std::string& chromeMarkup = "",
                           geckohost::LoadMode mode = geckohost::LoadMode::Complete) {
    DialogOptions options;
    options.title = "Confirm deletion";
    options.message = "Delete every file?";
    options.mode = mode;
    if (!chromeMarkup.empty()) {
      host->pages().put("http://test/dialog.xul", chromeMarkup, "application/vnd.mozilla.xul+xml");
      options.chromeUrl = "http://test/dialog.xul";
    }
    return host->openDialog(*m_browser, options);
  }

  IHtmlTopLevelElement* lookUp(unsigned long handle) {
    return domain->getTopLevelObject(static_cast<long>(handle));
  }

  // "class:text" of each control, in the order the dialog gives them.
  static std::vector<std::string> controls(IHtmlElement* dialog) {
    std::vector<std::string> found;
    CHtmlObjectPtr<IHtmlEnumerator> children = dialog->getChildren();
    while (children && children->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> control = static_cast<IHtmlElement*>(children->nextElement());
      found.push_back(stringProperty(control, ".class") + ":" + stringProperty(control, ".text"));
    }
    return found;
  }

  static std::string xul(const std::string& body) {
    return "<dialog id='commonDialog' "
           "xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul' "
           "xmlns:xbl='http://www.mozilla.org/xbl' title='Custom'>" +
           body + "</dialog>";
  }

  BrowserWindow* m_browser = nullptr;
};

}  // namespace

TEST_F(DialogObjectsTest, ADialogIsATopLevelObjectBesideItsBrowser) {
  DialogWindow& dialog = openDialog();
  CHtmlObjectPtr<IHtmlTopLevelElement> found = lookUp(dialog.topLevelWindow());
  ASSERT_TRUE(found);
  EXPECT_EQ(stringProperty(found, ".class"), "Html.Dialog");
  EXPECT_EQ(stringProperty(found, ".caption"), "Confirm deletion");
  CHtmlObjectPtr<IHtmlPropertyValue> window = found->getProperty(".window");
  ASSERT_TRUE(window);
  EXPECT_EQ(window->longValue(), static_cast<long long>(dialog.topLevelWindow()));
  CHtmlObjectPtr<IHtmlPropertyValue> visible = found->getProperty(".visible");
  ASSERT_TRUE(visible);
  EXPECT_TRUE(visible->booleanValue());
  // Identity: the XUL window; uniqueId its low 32 bits.
  nsCOMPtr<nsIXULWindow> xulWindow = dialog.xulWindow();
  nsCOMPtr<nsISupports> canonical = do_QueryInterface(xulWindow);
  EXPECT_EQ(found->getObject(), reinterpret_cast<intptr_t>(xulWindow.get()));
  char digits[16];
  snprintf(digits, sizeof digits, "%08lx",
           static_cast<unsigned long>(static_cast<unsigned int>(found->getObject())));
  EXPECT_EQ(stringProperty(found, ".uniqueId"), digits);
  // The top level's bounds: the main widget's, in screen pixels.
  EXPECT_EQ(rectProperty(found, ".bounds"), (HtmlRectangle{204, 174, 352, 172}));
  EXPECT_TRUE(found->isPointInObject(204, 174));
  EXPECT_FALSE(found->isPointInObject(204 + 352, 174));
  // No parent, owner or hit-testing of its own; unknown names are null.
  EXPECT_EQ(found->getParent(), nullptr);
  EXPECT_EQ(found->getOwner(), nullptr);
  EXPECT_EQ(found->getChildAtPoint(210, 180), nullptr);
  EXPECT_EQ(found->getProperty(".tag"), nullptr);
  EXPECT_EQ(found->getProperty(".nosuch"), nullptr);

  // Enumerated with the browser: one browser object, one dialog object.
  std::vector<std::string> classes;
  CHtmlObjectPtr<IHtmlEnumerator> all = domain->enumBrowsers();
  while (all && all->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> object = static_cast<IHtmlElement*>(all->nextElement());
    classes.push_back(object ? stringProperty(object, ".class") : "null");
  }
  EXPECT_EQ(classes, (std::vector<std::string>{"Html.HtmlBrowser", "Html.Dialog"}));
  // The browser is still a browser.
  CHtmlObjectPtr<IHtmlTopLevelElement> browser = lookUp(m_browser->topLevelWindow());
  EXPECT_EQ(stringProperty(browser, ".class"), "Html.HtmlBrowser");
}

TEST_F(DialogObjectsTest, AConfirmBoxGivesItsTextsThenTheButtonsOfItsButtonBox) {
  DialogWindow& dialog = openDialog();
  CHtmlObjectPtr<IHtmlTopLevelElement> found = lookUp(dialog.topLevelWindow());
  ASSERT_TRUE(found);
  EXPECT_EQ(controls(found), (std::vector<std::string>{
                                 "Html.DialogStatic:Delete every file?",
                                 "Html.DialogButton:Do not ask again",
                                 "Html.DialogButton:OK",
                                 "Html.DialogButton:Cancel",
                             }));
  CHtmlObjectPtr<IHtmlEnumerator> children = found->getChildren();
  CHtmlObjectPtr<IHtmlElement> first = static_cast<IHtmlElement*>(children->nextElement());
  // A control's parent and top parent are its dialog; it is a leaf.
  CHtmlObjectPtr<IHtmlElement> parent = first->getParent();
  EXPECT_EQ(parent->getObject(), found->getObject());
  EXPECT_EQ(first->getChildren(), nullptr);
  EXPECT_EQ(first->getChildAtPoint(0, 0), nullptr);
  EXPECT_NE(first->getObject(), 0);
  // Native properties are the XUL attributes; standard names go through the table.
  CHtmlObjectPtr<IHtmlElement> checkbox = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(stringProperty(checkbox, "label"), "Do not ask again");
  EXPECT_EQ(stringProperty(checkbox, "id"), "checkbox");
  EXPECT_EQ(checkbox->getProperty("accesskey"), nullptr);
  EXPECT_EQ(checkbox->getProperty(".tag"), nullptr);
  // Three more: OK, Cancel, and then the end.
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(children->hasMoreElements());
    CHtmlObjectPtr<IHtmlObject> skipped = children->nextElement();
  }
  EXPECT_FALSE(children->hasMoreElements());
  EXPECT_EQ(children->nextElement(), nullptr);
}

TEST_F(DialogObjectsTest, CollapsedSubtreesAndEmptyTextsAreSkipped) {
  DialogWindow& dialog = openDialog(
      xul("<xbl:content><hbox class='dialog-button-box'><button label='Yes' dlgtype='accept'/>"
          "<button label='Hidden' collapsed='true'/><button/></hbox></xbl:content>"
          "<vbox collapsed='TRUE'><button label='Inside collapsed'/></vbox>"
          "<vbox collapsed='false'><textbox value='typed'/><textbox/></vbox>"
          "<description></description>"
          "<description>Text <button label='Nested'/></description>"
          "<radio label='Radio'/><html>markup</html><label value='not a control'/>"));
  CHtmlObjectPtr<IHtmlTopLevelElement> found = lookUp(dialog.topLevelWindow());
  ASSERT_TRUE(found);
  EXPECT_EQ(stringProperty(found, ".caption"), "Custom");
  EXPECT_EQ(controls(found), (std::vector<std::string>{
                                 "Html.DialogEdit:typed",
                                 "Html.DialogEdit:",
                                 "Html.DialogStatic:Text ",  // the raw text walk: nothing trimmed
                                 "Html.DialogButton:Nested",
                                 "Html.DialogButton:Radio",
                                 "Html.DialogStatic:markup",
                                 "Html.DialogButton:Yes",
                                 // a button without a label answers no text
                                 "Html.DialogButton:(null)",
                             }));
}

TEST_F(DialogObjectsTest, ADialogWithManyControlsKeepsThemAll) {
  std::string buttons;
  for (int i = 0; i < 60; ++i)
    buttons += "<checkbox label='option " + std::to_string(i) + "'/>";
  DialogWindow& dialog = openDialog(xul(buttons));
  CHtmlObjectPtr<IHtmlTopLevelElement> found = lookUp(dialog.topLevelWindow());
  ASSERT_TRUE(found);
  std::vector<std::string> all = controls(found);
  ASSERT_EQ(all.size(), 60u);
  EXPECT_EQ(all.back(), "Html.DialogButton:option 59");
}

TEST_F(DialogObjectsTest, ADialogStillLoadingIsNoDialogYet) {
  DialogWindow& dialog = openDialog("", geckohost::LoadMode::Held);
  CHtmlObjectPtr<IHtmlTopLevelElement> loading = lookUp(dialog.topLevelWindow());
  EXPECT_TRUE(!loading || stringProperty(loading, ".class") != "Html.Dialog");
  loading = nullptr;
  dialog.completeLoad();
  CHtmlObjectPtr<IHtmlTopLevelElement> loaded = lookUp(dialog.topLevelWindow());
  EXPECT_EQ(stringProperty(loaded, ".class"), "Html.Dialog");
}
