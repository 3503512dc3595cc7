// The popup of an open drop-down list as the product walks it: an override-redirect X window
// right below the select, reached from the select through the combo box frame, the list
// frame, its view, the child view and its widget, and back from the widget to the list frame;
// its options laid out in it with accessibles; the select keeping the focus; and everything
// gone when the list closes, by the control API, by choosing, through the frame, or with the
// window.
#include <cstdint>
#include <string>

#include "HostFixture.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIComboboxControlFrame.h"
#include "nsIContent.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMNSElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDocument.h"
#include "nsIFrame.h"
#include "nsIPresShell.h"
#include "nsIView.h"
#include "nsIWidget.h"
#include "nsRect.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using testsupport::ScreenRect;

namespace {

class DropDownPopupTest : public HostFixture {
 protected:
  BrowserWindow& open(const char* markup) {
    page("http://test/s.html", markup);
    BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = {"http://test/s.html"};
    return host->openBrowserWindow(options);
  }

  static nsIComboboxControlFrame* comboFrame(nsIDOMDocument* page, nsIDOMElement* select) {
    nsCOMPtr<nsIDocument> document = do_QueryInterface(page);
    nsCOMPtr<nsIContent> content = do_QueryInterface(select);
    nsIPresShell* shell = document ? document->GetPrimaryShell() : nullptr;
    nsIFrame* frame = shell && content ? shell->GetPrimaryFrameFor(content) : nullptr;
    return frame ? static_cast<nsIComboboxControlFrame*>(do_QueryFrame(frame)) : nullptr;
  }

  // The product's walk from the select to the popup's widget; null when there is none.
  static nsIWidget* popupWidget(nsIDOMDocument* page, nsIDOMElement* select) {
    nsIComboboxControlFrame* combo = comboFrame(page, select);
    if (!combo || !combo->IsDroppedDown())
      return nullptr;
    nsIFrame* list = combo->GetDropDown();
    nsIView* view = list ? list->GetView() : nullptr;
    nsIView* child = view ? view->GetFirstChild() : nullptr;
    return child ? child->GetWidget() : nullptr;
  }

  nsIntRect accessibleBounds(nsIDOMNode* node) {
    nsCOMPtr<nsIAccessibleRetrieval> retrieval = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
    nsCOMPtr<nsIAccessible> accessible;
    retrieval->GetAccessibleFor(node, getter_AddRefs(accessible));
    nsIntRect rect;
    if (accessible)
      accessible->GetBounds(&rect.x, &rect.y, &rect.width, &rect.height);
    return rect;
  }

  nsCOMPtr<nsIDOMNode> option(nsIDOMElement* select, PRUint32 index) {
    nsCOMPtr<nsIDOMNodeList> options;
    select->GetElementsByTagName(NS_ConvertUTF8toUTF16("option"), getter_AddRefs(options));
    nsCOMPtr<nsIDOMNode> item;
    if (options)
      options->Item(index, getter_AddRefs(item));
    return item;
  }
};

TEST_F(DropDownPopupTest, TheOpenListIsAnOverrideRedirectPopupLinkedBothWays) {
  BrowserWindow& browser = open(
      "<p>x</p><select id=s><option>alpha<option selected>beta<option>gamma</select>"
      "<input id=other>");
  host->setAccessibilityEnabled(true);
  nsCOMPtr<nsIDOMDocument> page = browser.document(0);
  nsCOMPtr<nsIDOMElement> select = elementById(page, "s");
  nsIntRect box = accessibleBounds(select);
  ASSERT_FALSE(box.IsEmpty());
  // Closed: a list frame without a view, and no accessibles for the options.
  ASSERT_TRUE(comboFrame(page, select));
  EXPECT_EQ(comboFrame(page, select)->GetDropDown()->GetView(), nullptr);
  EXPECT_TRUE(accessibleBounds(option(select, 0)).IsEmpty());
  int windowsClosed = observer.descendantCount(observer.root());

  ASSERT_TRUE(browser.openDropDown(select));
  EXPECT_FALSE(browser.openDropDown(elementById(page, "other")));
  unsigned long popup = browser.dropDownWindow(select);
  ASSERT_NE(popup, 0u);
  EXPECT_EQ(observer.parentOf(popup), observer.root());
  EXPECT_TRUE(observer.overrideRedirect(popup));
  EXPECT_TRUE(observer.isViewable(popup));
  EXPECT_EQ(observer.classHint(popup), std::nullopt);
  // Right below the select, as wide as it: three rows of 16 and a border of 1 above and below.
  nsIntRect expected(box.x, box.YMost(), box.width, 3 * 16 + 2);
  EXPECT_EQ(observer.screenRect(popup),
            (ScreenRect{expected.x, expected.y, expected.width, expected.height}));
  EXPECT_EQ(observer.descendantCount(observer.root()), windowsClosed + 1);

  // Down from the select...
  nsIComboboxControlFrame* combo = comboFrame(page, select);
  ASSERT_TRUE(combo && combo->IsDroppedDown());
  nsIFrame* list = combo->GetDropDown();
  nsIView* listView = list->GetView();
  ASSERT_TRUE(listView);
  nsIView* popupView = listView->GetFirstChild();
  ASSERT_TRUE(popupView);
  nsIWidget* widget = popupView->GetWidget();
  ASSERT_TRUE(widget);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(widget->GetNativeData(0)), popup);
  nsIntRect bounds;
  widget->GetBounds(bounds);
  EXPECT_EQ(bounds, expected);
  EXPECT_EQ(widget->GetParent(), nullptr);
  // ... and back up from the widget: its view, the list's view, the list frame, which is a
  // list control frame (Gecko's frame id 63).
  void* data = nullptr;
  widget->GetClientData(data);
  EXPECT_EQ(data, static_cast<void*>(popupView));
  EXPECT_EQ(popupView->GetParent(), listView);
  nsIFrame* back = static_cast<nsIFrame*>(listView->GetClientData());
  EXPECT_EQ(back, list);
  EXPECT_NE(back->QueryFrame(static_cast<nsQueryFrame::FrameIID>(63)), nullptr);
  EXPECT_EQ(back->GetContent(), nsCOMPtr<nsIContent>(do_QueryInterface(select)).get());

  // The options are rows of the popup, with accessibles inside it.
  for (PRUint32 i = 0; i < 3; ++i) {
    EXPECT_EQ(accessibleBounds(option(select, i)),
              nsIntRect(expected.x + 1, expected.y + 1 + 16 * int(i), expected.width - 2, 16))
        << "option " << i;
  }
  // The select keeps the keyboard focus.
  nsCOMPtr<nsIDOMXULDocument> chrome = do_QueryInterface(browser.chromeDocument());
  nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher;
  chrome->GetCommandDispatcher(getter_AddRefs(dispatcher));
  nsCOMPtr<nsIDOMElement> focused;
  dispatcher->GetFocusedElement(getter_AddRefs(focused));
  EXPECT_EQ(focused, select);

  // The list survives a re-layout with the same popup, its frame still the view's client data.
  elementById(page, "other")
      ->SetAttribute(NS_ConvertUTF8toUTF16("size"), NS_ConvertUTF8toUTF16("30"));
  nsIFrame* again = comboFrame(page, select)->GetDropDown();
  EXPECT_EQ(again, list);
  EXPECT_EQ(browser.dropDownWindow(select), popup);

  // Closing through the control API: the X window and the view go.
  EXPECT_TRUE(browser.closeDropDown(select));
  EXPECT_FALSE(observer.exists(popup));
  EXPECT_EQ(browser.dropDownWindow(select), 0u);
  EXPECT_EQ(comboFrame(page, select)->GetDropDown()->GetView(), nullptr);
  EXPECT_TRUE(accessibleBounds(option(select, 0)).IsEmpty());
  EXPECT_FALSE(browser.closeDropDown(select));
  EXPECT_EQ(observer.descendantCount(observer.root()), windowsClosed);
}

// Lists longer than they show scroll by rows to the option selected in them, as Gecko's list
// control frame does: just far enough for its row to show.
TEST_F(DropDownPopupTest, LongListsScrollToTheSelectedOption) {
  std::string options;
  for (int i = 0; i < 30; ++i)
    options += "<option>option " + std::to_string(i);
  std::string markup = "<select id=s>" + options + "</select><select id=box size=4>" + options +
                       "</select><select id=other size=4>" + options + "</select>";
  BrowserWindow& browser = open(markup.c_str());
  host->setAccessibilityEnabled(true);
  nsCOMPtr<nsIDOMDocument> page = browser.document(0);
  nsCOMPtr<nsIDOMElement> select = elementById(page, "s");
  nsCOMPtr<nsIDOMHTMLSelectElement> dropDown = do_QueryInterface(select);
  auto rowTop = [&](nsIDOMElement* list, PRUint32 index) {
    return accessibleBounds(option(list, index)).y;
  };

  // Dropped down with option 25 selected: twenty rows, the selected one the last shown.
  dropDown->SetSelectedIndex(25);
  ASSERT_TRUE(browser.openDropDown(select));
  ScreenRect popup = observer.screenRect(browser.dropDownWindow(select));
  EXPECT_EQ(popup.height, 20 * 16 + 2);
  const int firstTop = popup.y + 1;
  const int lastTop = popup.y + 1 + 19 * 16;
  EXPECT_EQ(rowTop(select, 25), lastTop);
  EXPECT_EQ(rowTop(select, 6), firstTop);
  EXPECT_EQ(rowTop(select, 5), firstTop - 16);  // scrolled out, above the list
  // A shown option does not scroll the list; one above scrolls to its top, one below to its
  // bottom.
  dropDown->SetSelectedIndex(10);
  EXPECT_EQ(rowTop(select, 6), firstTop);
  dropDown->SetSelectedIndex(2);
  EXPECT_EQ(rowTop(select, 2), firstTop);
  dropDown->SetSelectedIndex(29);
  EXPECT_EQ(rowTop(select, 29), lastTop);
  // Removing options keeps the rows it shows within the list.
  for (int removed = 0; removed < 5; ++removed)
    dropDown->Remove(0);
  EXPECT_EQ(rowTop(select, 24), lastTop);
  EXPECT_EQ(rowTop(select, 5), firstTop);
  // Dropped down again, it shows the option selected meanwhile.
  EXPECT_TRUE(browser.closeDropDown(select));
  dropDown->SetSelectedIndex(0);
  ASSERT_TRUE(browser.openDropDown(select));
  EXPECT_EQ(rowTop(select, 0), firstTop);
  EXPECT_TRUE(browser.closeDropDown(select));

  // A list box of four rows scrolls its content the same way.
  nsCOMPtr<nsIDOMElement> box = elementById(page, "box");
  nsCOMPtr<nsIDOMHTMLSelectElement> listBox = do_QueryInterface(box);
  nsCOMPtr<nsIDOMNSElement> scroller = do_QueryInterface(box);
  auto scrollTop = [&] {
    PRInt32 top = -1;
    scroller->GetScrollTop(&top);
    return top;
  };
  const int boxTop = rowTop(box, 0);
  listBox->SetSelectedIndex(8);
  EXPECT_EQ(scrollTop(), (8 - 3) * 16);
  EXPECT_EQ(rowTop(box, 8), boxTop + 3 * 16);
  listBox->SetSelectedIndex(6);
  EXPECT_EQ(scrollTop(), 5 * 16);
  listBox->SetSelectedIndex(1);
  EXPECT_EQ(scrollTop(), 16);
  EXPECT_EQ(rowTop(box, 1), boxTop);
  // Selections in two list boxes before the page is laid out again scroll both.
  nsCOMPtr<nsIDOMHTMLSelectElement> other = do_QueryInterface(elementById(page, "other"));
  nsCOMPtr<nsIDOMNSElement> otherScroller = do_QueryInterface(other);
  box->SetAttribute(NS_ConvertUTF8toUTF16("title"), NS_ConvertUTF8toUTF16("changed"));
  other->SetSelectedIndex(20);
  listBox->SetSelectedIndex(12);
  PRInt32 otherTop = -1;
  otherScroller->GetScrollTop(&otherTop);
  EXPECT_EQ(otherTop, (20 - 3) * 16);
  EXPECT_EQ(scrollTop(), (12 - 3) * 16);
}

TEST_F(DropDownPopupTest, ChoosingTheFrameAndClosingTheWindowCloseTheList) {
  BrowserWindow& browser = open("<select id=s><option>a<option>b<option>c</select>");
  nsCOMPtr<nsIDOMDocument> page = browser.document(0);
  nsCOMPtr<nsIDOMElement> select = elementById(page, "s");

  // Choosing a row selects its option and closes the list.
  ASSERT_TRUE(browser.openDropDown(select));
  unsigned long popup = browser.dropDownWindow(select);
  EXPECT_FALSE(browser.chooseDropDownOption(select, 3));
  EXPECT_TRUE(browser.chooseDropDownOption(select, 2));
  nsCOMPtr<nsIDOMHTMLSelectElement> list = do_QueryInterface(select);
  PRInt32 index = -1;
  list->GetSelectedIndex(&index);
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(observer.exists(popup));
  EXPECT_FALSE(browser.chooseDropDownOption(select, 0));  // closed

  // Layout's frame opens and closes the same popup.
  comboFrame(page, select)->ShowDropDown(PR_TRUE);
  popup = browser.dropDownWindow(select);
  ASSERT_NE(popup, 0u);
  EXPECT_TRUE(observer.overrideRedirect(popup));
  EXPECT_EQ(popupWidget(page, select)
                ? reinterpret_cast<uintptr_t>(popupWidget(page, select)->GetNativeData(0))
                : 0u,
            popup);
  comboFrame(page, select)->ShowDropDown(PR_FALSE);
  EXPECT_FALSE(observer.exists(popup));
  EXPECT_EQ(popupWidget(page, select), nullptr);

  // A widget held across the close answers as destroyed.
  comboFrame(page, select)->ShowDropDown(PR_TRUE);
  nsCOMPtr<nsIWidget> held = popupWidget(page, select);
  ASSERT_TRUE(held);
  popup = browser.dropDownWindow(select);
  // A select that leaves the page takes its list along.
  nsCOMPtr<nsIDOMNode> parent, removed;
  select->GetParentNode(getter_AddRefs(parent));
  parent->RemoveChild(select, getter_AddRefs(removed));
  comboFrame(page, elementById(page, "s"));  // any question lays the page out again
  nsCOMPtr<nsIDocument> document = do_QueryInterface(page);
  document->GetPrimaryShell()->GetRootFrame();
  EXPECT_FALSE(observer.exists(popup));
  EXPECT_EQ(held->GetNativeData(0), nullptr);
  held = nullptr;
  nsCOMPtr<nsIDOMNode> appended;
  parent->AppendChild(removed, getter_AddRefs(appended));

  // Closing the browser window closes its open lists.
  ASSERT_TRUE(browser.openDropDown(select));
  popup = browser.dropDownWindow(select);
  ASSERT_NE(popup, 0u);
  host->closeWindow(browser);
  EXPECT_FALSE(observer.exists(popup));
}

}  // namespace
