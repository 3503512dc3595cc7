// The entries of a drop-down list, as its enumerator reads them from the select: options and
// option groups numbered among themselves, everything else passed over, items that answer
// with their option's properties and an identity of their own.
#include <gtest/gtest.h>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "NSHtmlCombolist.h"
#include "NSHtmlCombolistEnumerator.h"
#include "NSHtmlCombolistItem.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "TestHelpers.h"

namespace {

class CombolistEntriesTest : public LiveObjectsCheck {};

}  // namespace

TEST_F(CombolistEntriesTest, OptionsAndGroupsAreNumberedAndOtherChildrenSkipped) {
  HostPage page(
      "<select id=s><option id=a>A</option><optgroup id=g label=G><option>in group</option>"
      "</optgroup><script>var x;</script><option id=b>B</option></select>");
  nsCOMPtr<nsIDOMHTMLElement> selectNode = page.element("s");
  CHtmlObjectPtr<CNSHtmlElement> select = CNSHtmlDocument::create(selectNode);
  ASSERT_TRUE(select);
  CHtmlObjectPtr<CNSHtmlCombolistEnumerator> entries =
      new CNSHtmlCombolistEnumerator(select->getChildren());
  std::vector<std::string> seen;
  while (entries->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> item = static_cast<IHtmlElement*>(entries->nextElement());
    EXPECT_EQ(StringProperty(item, ".class"), "Html.CombolistItem");
    CHtmlObjectPtr<IHtmlElement> parent = item->getParent();
    seen.push_back(std::to_string(IntProperty(item, ".index")) + ":" +
                   StringProperty(parent, ".tag"));
  }
  // The entries' parent is the select for options and groups alike.
  EXPECT_EQ(seen, (std::vector<std::string>{"0:SELECT", "1:SELECT", "2:SELECT"}));
  // Past the end: an item without an element, answering nothing.
  CHtmlObjectPtr<IHtmlElement> past = static_cast<IHtmlElement*>(entries->nextElement());
  ASSERT_TRUE(past);
  EXPECT_EQ(past->getObject(), 0);
  EXPECT_EQ(past->getParent(), nullptr);
  EXPECT_FALSE(past->isPointInObject(0, 0));
  EXPECT_FALSE(HasProperty(past, 14));
  EXPECT_EQ(IntProperty(past, ".index"), 3);
}

TEST_F(CombolistEntriesTest, AnItemsIdentityCombinesItsOptionAndItsSelect) {
  HostPage page("<select id=s><option id=a>A</option></select>");
  nsCOMPtr<nsIDOMHTMLElement> optionNode = page.element("a");
  CHtmlObjectPtr<CNSHtmlElement> option = CNSHtmlDocument::create(optionNode);
  CHtmlObjectPtr<IHtmlElement> select = option->getParent();
  CHtmlObjectPtr<CNSHtmlCombolistItem> item = new CNSHtmlCombolistItem(option, 0);
  unsigned long long expected =
      static_cast<unsigned long long>(option->getObject()) +
      ((static_cast<unsigned long long>(select->getObject()) & 0xffffffffULL) << 32);
  EXPECT_EQ(static_cast<unsigned long long>(item->getObject()), expected);
  EXPECT_NE(item->getObject(), option->getObject());
  // Bounds are the option's own (all zero on a page that is not shown).
  CHtmlObjectPtr<IHtmlPropertyValue> bounds = item->getProperty(".bounds");
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->type(), 6);
  EXPECT_FALSE(HasProperty(item, 1));  // tag: not an item's
  EXPECT_EQ(item->getChildren(), nullptr);
}

TEST_F(CombolistEntriesTest, NoPopupWindowIsACombolist) {
  // Without any browser window there is no open list anywhere.
  EXPECT_FALSE(CNSHtmlCombolist::isCombolist(12345));
  nsCOMPtr<nsIWidget> widget;
  EXPECT_FALSE(CNSHtmlCombolist::getWidget(12345, widget));
  EXPECT_FALSE(widget);
  EXPECT_EQ(CNSHtmlCombolist::getFrame(nullptr), nullptr);
  EXPECT_EQ(CNSHtmlCombolist::getPopupWidget(nullptr), nullptr);
  // A list object made for such a window answers its class and an empty rectangle.
  CHtmlObjectPtr<CNSHtmlCombolist> list = new CNSHtmlCombolist(12345L);
  EXPECT_EQ(StringProperty(list, ".class"), "Html.ComboLBox");
  CHtmlObjectPtr<IHtmlPropertyValue> bounds = list->getProperty(".bounds");
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->rectangle().width, 0);
  EXPECT_FALSE(list->isPointInObject(0, 0));
  EXPECT_EQ(list->getParent(), nullptr);
  EXPECT_EQ(list->getChildren(), nullptr);
  EXPECT_EQ(list->getObject(), 0);
  EXPECT_EQ(list->getProperty(".window"), nullptr);
}
