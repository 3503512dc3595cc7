// Accessibles of the browser's chrome and dialogs: every element that takes space, the dialog
// binding's anonymous button box included, is bounded by its chrome box on the screen; the XUL
// document by the window's client area; hidden and collapsed elements have none. The same
// switch as for pages: off, the service answers nothing.
#include "HostFixture.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNodeList.h"
#include "nsRect.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using geckohost::DialogKind;
using geckohost::DialogOptions;
using geckohost::DialogWindow;

namespace {

class ChromeAccessibilityTest : public HostFixture {
 protected:
  nsCOMPtr<nsIAccessible> accessibleFor(nsIDOMNode* node, nsresult* result = nullptr) {
    nsCOMPtr<nsIAccessibleRetrieval> retrieval = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
    nsCOMPtr<nsIAccessible> accessible;
    nsresult rv = retrieval ? retrieval->GetAccessibleFor(node, getter_AddRefs(accessible))
                            : NS_ERROR_FAILURE;
    if (result)
      *result = rv;
    return accessible;
  }

  static nsIntRect boundsOf(nsIAccessible* accessible) {
    nsIntRect rect(-1, -1, -1, -1);
    if (accessible)
      accessible->GetBounds(&rect.x, &rect.y, &rect.width, &rect.height);
    return rect;
  }

  nsIntRect boundsOf(nsIDOMNode* node) { return boundsOf(accessibleFor(node)); }

  static PRUint32 roleOf(nsIAccessible* accessible) {
    PRUint32 role = 12345;
    if (accessible)
      accessible->GetRole(&role);
    return role;
  }
};

TEST_F(ChromeAccessibilityTest, DialogElementsAndTheirAnonymousButtonsHaveChromeBounds) {
  BrowserWindow& browser = host->openBrowserWindow();
  DialogOptions options;
  options.x = 300;
  options.y = 250;
  options.width = 360;
  options.height = 200;
  options.kind = DialogKind::Prompt;
  DialogWindow& dialog = host->openDialog(browser, options);
  const int X = 304, Y = 274, W = 352, H = 172;
  nsCOMPtr<nsIDOMDocument> document = dialog.document();
  nsCOMPtr<nsIDOMElement> textbox = elementById(document, "loginTextbox");

  // Off by default.
  nsresult rv = NS_OK;
  EXPECT_FALSE(accessibleFor(textbox, &rv));
  EXPECT_EQ(rv, NS_ERROR_NOT_AVAILABLE);
  host->setAccessibilityEnabled(true);

  EXPECT_EQ(boundsOf(textbox), nsIntRect(X, Y + 36, W, 24));
  EXPECT_EQ(roleOf(accessibleFor(textbox)), 102u);  // entry
  EXPECT_EQ(boundsOf(document), nsIntRect(X, Y, W, H));
  EXPECT_EQ(roleOf(accessibleFor(document)), 15u);

  // A collapsed element (the check box of a prompt without one) has no accessible.
  nsCOMPtr<nsIAccessible> none = accessibleFor(elementById(document, "checkbox"), &rv);
  EXPECT_EQ(rv, NS_OK);
  EXPECT_FALSE(none);

  // The anonymous button box and its buttons; the collapsed extra button has none.
  nsCOMPtr<nsIDOMElement> root;
  document->GetDocumentElement(getter_AddRefs(root));
  nsCOMPtr<nsIDOMDocumentXBL> xbl = do_QueryInterface(document);
  nsCOMPtr<nsIDOMNodeList> generated;
  xbl->GetAnonymousNodes(root, getter_AddRefs(generated));
  nsCOMPtr<nsIDOMNode> buttonBox;
  generated->Item(0, getter_AddRefs(buttonBox));
  EXPECT_EQ(boundsOf(buttonBox), nsIntRect(X, Y + H - 26, W, 26));
  nsCOMPtr<nsIDOMElement> boxElement = do_QueryInterface(buttonBox);
  nsCOMPtr<nsIDOMNodeList> buttons;
  boxElement->GetElementsByTagName(NS_ConvertUTF8toUTF16("button"), getter_AddRefs(buttons));
  nsCOMPtr<nsIDOMNode> extra, accept, cancel;
  buttons->Item(0, getter_AddRefs(extra));
  buttons->Item(1, getter_AddRefs(accept));
  buttons->Item(2, getter_AddRefs(cancel));
  EXPECT_FALSE(accessibleFor(extra));
  nsCOMPtr<nsIAccessible> acceptAccessible = accessibleFor(accept);
  EXPECT_EQ(boundsOf(acceptAccessible), nsIntRect(X + W - 160, Y + H - 26, 80, 26));
  EXPECT_EQ(roleOf(acceptAccessible), 43u);
  nsString name;
  acceptAccessible->GetName(name);
  EXPECT_EQ(utf8(name), "OK");
  EXPECT_EQ(boundsOf(cancel), nsIntRect(X + W - 80, Y + H - 26, 80, 26));

  // The tree: the button box's parent is the dialog, which lists it last among its children;
  // the hit at the cancel button's middle is the button box.
  nsCOMPtr<nsIAccessible> boxAccessible = accessibleFor(buttonBox);
  nsCOMPtr<nsIAccessible> parent;
  boxAccessible->GetParent(getter_AddRefs(parent));
  EXPECT_EQ(parent, accessibleFor(root));
  nsCOMPtr<nsIAccessible> last;
  parent->GetLastChild(getter_AddRefs(last));
  EXPECT_EQ(last, boxAccessible);
  PRInt32 count = 0;
  parent->GetChildCount(&count);
  EXPECT_EQ(count, 5);  // title, message, text box, the flexible spacer, the button box
  nsCOMPtr<nsIAccessible> hit;
  parent->GetChildAtPoint(X + W - 40, Y + H - 13, getter_AddRefs(hit));
  EXPECT_EQ(hit, boxAccessible);

  // Moving the dialog moves its accessibles.
  dialog.moveTo(100, 100);
  EXPECT_EQ(boundsOf(acceptAccessible), nsIntRect(104 + W - 160, 124 + H - 26, 80, 26));

  // A closed dialog's accessibles are defunct: no bounds.
  dialog.press("cancel");
  EXPECT_EQ(acceptAccessible->GetBounds(nullptr, nullptr, nullptr, nullptr) == NS_OK, false);
}

TEST_F(ChromeAccessibilityTest, BrowserChromeFollowsItsLayout) {
  BrowserWindowOptions options;
  options.x = 100;
  options.y = 80;
  options.width = 640;
  options.height = 480;
  BrowserWindow& browser = host->openBrowserWindow(options);
  host->setAccessibilityEnabled(true);
  nsCOMPtr<nsIDOMDocument> chrome = browser.chromeDocument();
  EXPECT_EQ(boundsOf(elementById(chrome, "home-button")), nsIntRect(104 + 128, 104, 32, 32));
  EXPECT_EQ(boundsOf(elementById(chrome, "status-bar")), nsIntRect(104, 104 + 452 - 22, 632, 22));
  EXPECT_FALSE(accessibleFor(elementById(chrome, "FindToolbar")));  // hidden
  browser.setFindBarShown(true);
  EXPECT_EQ(boundsOf(elementById(chrome, "FindToolbar")), nsIntRect(104, 104 + 452 - 52, 632, 30));
  EXPECT_EQ(roleOf(accessibleFor(elementById(chrome, "nav-bar"))), 22u);  // toolbar
}

}  // namespace
