// The element classes of form controls, selection lists, tables, links, images, image maps
// and plug-ins, as the agent meets them: through the browser object of a host window, with the
// product loaded by dlopen, and values the agent makes itself for the setters.
#include <gtest/gtest.h>

#include <string>

#include "AgentPropertyValue.h"
#include "PageAgentFixture.h"
#include "nsIComboboxControlFrame.h"
#include "nsIContent.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDocument.h"
#include "nsIFrame.h"
#include "nsIPresShell.h"

namespace {

class ElementClassesTest : public PageAgentFixture {
 protected:
  bool set(IHtmlElement* element, const char* name, IHtmlPropertyValue* value) {
    CHtmlObjectPtr<IHtmlPropertyValue> owned = value;
    return element->setProperty(name, owned);
  }

  static bool boolProperty(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
    EXPECT_TRUE(value && value->type() == 7) << name;
    return value && value->booleanValue();
  }

  static long long longProperty(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
    EXPECT_TRUE(value && value->type() == 2) << name;
    return value ? value->longValue() : -1;
  }

  static bool isNull(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
    return value == nullptr;
  }

  // How often `line` stands in what the product traced during the test.
  size_t traced(const std::string& line) const {
    std::string trace = traceOfTest();
    size_t count = 0;
    for (size_t at = trace.find(line); at != std::string::npos; at = trace.find(line, at + 1))
      ++count;
    return count;
  }

  // The combo box frame of a drop-down select, as layout keeps it.
  nsIComboboxControlFrame* comboFrame(const char* id) {
    nsCOMPtr<nsIDOMDocument> dom = m_window->document(0);
    nsCOMPtr<nsIDocument> document = do_QueryInterface(dom);
    nsCOMPtr<nsIContent> content = do_QueryInterface(elementById(dom, id));
    nsIPresShell* shell = document ? document->GetPrimaryShell() : nullptr;
    nsIFrame* frame = shell && content ? shell->GetPrimaryFrameFor(content) : nullptr;
    if (!frame)
      return nullptr;
    nsIComboboxControlFrame* combo = do_QueryFrame(frame);
    return combo;
  }

  // The index of each selected option of a select: "1,3".
  std::string selection(const char* id) {
    CHtmlObjectPtr<IHtmlElement> select = byId(id);
    CHtmlObjectPtr<IHtmlEnumerator> options = select->getElementsByTag(U16("option").data());
    std::string indexes;
    for (int index = 0; options && options->hasMoreElements(); ++index) {
      CHtmlObjectPtr<IHtmlElement> option = static_cast<IHtmlElement*>(options->nextElement());
      CHtmlObjectPtr<IHtmlPropertyValue> selected = option->getProperty(".selected");
      if (selected && selected->booleanValue())
        indexes += (indexes.empty() ? "" : ",") + std::to_string(index);
    }
    return indexes;
  }
};

std::string options(int count) {
  std::string markup;
  for (int i = 0; i < count; ++i)
    markup += "<option id=o" + std::to_string(i) + ">Option " + std::to_string(i) + "</option>";
  return markup;
}

}  // namespace

TEST_F(ElementClassesTest, InputsReportTheirKindStateAndAttributes) {
  ASSERT_TRUE(
      show("<input id=check type=CheckBox name=c checked>"
           "<input id=text name=q value=start size=12 maxlength=8 alt=words disabled>"
           "<input id=plain><input id=junk size=wide>"
           "<input id=image type=image src=b.png><input id=radio type=radio readonly>"));
  CHtmlObjectPtr<IHtmlElement> check = byId("check");
  EXPECT_EQ(stringProperty(check, ".class"), "Html.INPUT.checkbox");
  EXPECT_EQ(stringProperty(check, ".type"), "checkbox");
  EXPECT_EQ(stringProperty(check, ".name"), "c");
  EXPECT_TRUE(boolProperty(check, ".checked"));
  EXPECT_TRUE(boolProperty(check, ".defaultChecked"));
  EXPECT_EQ(stringProperty(check, ".value"), "on");

  CHtmlObjectPtr<IHtmlElement> text = byId("text");
  EXPECT_EQ(stringProperty(text, ".class"), "Html.INPUT.text");
  EXPECT_EQ(stringProperty(text, ".value"), "start");
  EXPECT_EQ(stringProperty(text, ".defaultValue"), "start");
  EXPECT_EQ(stringProperty(text, ".alt"), "words");
  EXPECT_EQ(intProperty(text, ".size"), 12);
  EXPECT_EQ(intProperty(text, ".maxLength"), 8);
  EXPECT_TRUE(boolProperty(text, ".disabled"));
  EXPECT_FALSE(boolProperty(text, ".readOnly"));
  EXPECT_FALSE(boolProperty(text, ".checked"));
  EXPECT_EQ(stringProperty(text, ".src"), "");

  // Without attributes: no size, no limit; a size that is no number is 0.
  CHtmlObjectPtr<IHtmlElement> plain = byId("plain");
  EXPECT_EQ(stringProperty(plain, ".type"), "text");
  EXPECT_EQ(intProperty(plain, ".size"), 0);
  EXPECT_EQ(intProperty(plain, ".maxLength"), -1);
  EXPECT_EQ(stringProperty(plain, ".alt"), "");
  CHtmlObjectPtr<IHtmlElement> junk = byId("junk");
  EXPECT_EQ(intProperty(junk, ".size"), 0);

  // An image button's source is absolute, resolved against the page's address.
  CHtmlObjectPtr<IHtmlElement> image = byId("image");
  EXPECT_EQ(stringProperty(image, ".class"), "Html.INPUT.image");
  EXPECT_EQ(stringProperty(image, ".src"), "http://test/b.png");

  CHtmlObjectPtr<IHtmlElement> radio = byId("radio");
  EXPECT_TRUE(boolProperty(radio, ".readOnly"));
  for (IHtmlElement* input : std::initializer_list<IHtmlElement*>{check, text, plain, image, radio})
    EXPECT_FALSE(boolProperty(input, ".indeterminate"));
  // The base element's properties still answer.
  EXPECT_EQ(stringProperty(text, ".tag"), "INPUT");
  EXPECT_EQ(stringProperty(text, ".id"), "text");
}

TEST_F(ElementClassesTest, InputSettersChangeOnlyWhatTheyName) {
  ASSERT_TRUE(show("<input id=check type=checkbox checked><input id=text value=a>"));
  CHtmlObjectPtr<IHtmlElement> check = byId("check");
  EXPECT_TRUE(set(check, ".checked", AgentPropertyValue::boolean(false)));
  EXPECT_FALSE(boolProperty(check, ".checked"));
  EXPECT_TRUE(boolProperty(check, ".defaultChecked"));
  EXPECT_TRUE(set(check, ".readOnly", AgentPropertyValue::boolean(true)));
  EXPECT_TRUE(boolProperty(check, ".readOnly"));
  EXPECT_FALSE(boolProperty(check, ".checked"));

  CHtmlObjectPtr<IHtmlElement> text = byId("text");
  EXPECT_TRUE(set(text, ".value", AgentPropertyValue::text("typed")));
  EXPECT_EQ(stringProperty(text, ".value"), "typed");
  EXPECT_EQ(stringProperty(text, ".defaultValue"), "a");
  EXPECT_TRUE(set(text, ".disabled", AgentPropertyValue::boolean(true)));
  EXPECT_TRUE(boolProperty(text, ".disabled"));
  // A value without text sets the empty string; the kind of the value is not checked.
  EXPECT_TRUE(set(text, ".value", AgentPropertyValue::integer(5)));
  EXPECT_EQ(stringProperty(text, ".value"), "");
  // Names the class does not set, and missing arguments, change nothing.
  EXPECT_FALSE(set(text, ".name", AgentPropertyValue::text("n")));
  EXPECT_FALSE(set(text, ".type", AgentPropertyValue::text("checkbox")));
  EXPECT_FALSE(set(text, "value", AgentPropertyValue::text("x")));
  EXPECT_FALSE(text->setProperty(".value", nullptr));
  EXPECT_FALSE(set(text, nullptr, AgentPropertyValue::text("x")));
  EXPECT_EQ(stringProperty(text, ".name"), "");
  EXPECT_EQ(stringProperty(text, ".type"), "text");
  EXPECT_EQ(stringProperty(text, ".value"), "");
}

TEST_F(ElementClassesTest, AnImageButtonWithAnOverlongAddressReportsItUnresolved) {
  std::string longName(2100, 'x');
  ASSERT_TRUE(
      show("<input id=short type=image src=dir/p.png>"
           "<input id=long type=image src=" +
           longName + ".png>"));
  CHtmlObjectPtr<IHtmlElement> shortOne = byId("short");
  EXPECT_EQ(stringProperty(shortOne, ".src"), "http://test/dir/p.png");
  // The host already reflects src as an absolute address, which the product then cannot hold
  // in its URL buffer: it answers the attribute as the DOM gave it.
  CHtmlObjectPtr<IHtmlElement> longOne = byId("long");
  EXPECT_EQ(stringProperty(longOne, ".src"), "http://test/" + longName + ".png");
}

TEST_F(ElementClassesTest, TextAreasButtonsAndForms) {
  ASSERT_TRUE(
      show("<form id=form name=f>"
           "<textarea id=area name=t rows=4 readonly>markup</textarea>"
           "<button id=reset type=reset name=b value=v disabled>Reset</button>"
           "<button id=plain>Go</button></form>"));
  CHtmlObjectPtr<IHtmlElement> area = byId("area");
  EXPECT_EQ(stringProperty(area, ".class"), "Html.TEXTAREA");
  EXPECT_EQ(stringProperty(area, ".name"), "t");
  EXPECT_EQ(intProperty(area, ".rows"), 4);
  EXPECT_TRUE(boolProperty(area, ".readOnly"));
  EXPECT_FALSE(boolProperty(area, ".disabled"));
  // What the user typed is the value; the markup stays the default value.
  nsCOMPtr<nsIDOMHTMLTextAreaElement> dom =
      do_QueryInterface(elementById(m_window->document(0), "area"));
  dom->SetValue(NS_LITERAL_STRING("markup and more"));
  EXPECT_EQ(stringProperty(area, ".value"), "markup and more");
  EXPECT_EQ(stringProperty(area, ".defaultValue"), "markup");
  // The text walk takes a text area's value in where it meets one below the element asked.
  EXPECT_EQ(stringProperty(area, ".text"), "markup");
  CHtmlObjectPtr<IHtmlElement> form = byId("form");
  EXPECT_EQ(stringProperty(form, ".text"), "markupmarkup and moreResetGo");
  EXPECT_TRUE(set(area, ".value", AgentPropertyValue::text("abc")));
  EXPECT_EQ(stringProperty(area, ".value"), "abc");
  EXPECT_TRUE(set(area, ".disabled", AgentPropertyValue::boolean(true)));
  EXPECT_TRUE(boolProperty(area, ".disabled"));
  EXPECT_FALSE(set(area, ".name", AgentPropertyValue::text("x")));
  EXPECT_FALSE(set(area, ".readOnly", AgentPropertyValue::boolean(false)));
  EXPECT_EQ(stringProperty(area, ".name"), "t");
  EXPECT_TRUE(boolProperty(area, ".readOnly"));

  CHtmlObjectPtr<IHtmlElement> reset = byId("reset");
  EXPECT_EQ(stringProperty(reset, ".type"), "reset");
  EXPECT_EQ(stringProperty(reset, ".name"), "b");
  EXPECT_EQ(stringProperty(reset, ".value"), "v");
  EXPECT_TRUE(boolProperty(reset, ".disabled"));
  EXPECT_EQ(stringProperty(reset, ".text"), "Reset");
  EXPECT_FALSE(set(reset, ".disabled", AgentPropertyValue::boolean(false)));
  EXPECT_TRUE(boolProperty(reset, ".disabled"));
  CHtmlObjectPtr<IHtmlElement> plain = byId("plain");
  EXPECT_EQ(stringProperty(plain, ".type"), "submit");

  EXPECT_EQ(stringProperty(form, ".name"), "f");
  EXPECT_EQ(stringProperty(form, ".class"), "Html.FORM");
  EXPECT_FALSE(set(form, ".name", AgentPropertyValue::text("g")));
  EXPECT_EQ(stringProperty(form, ".name"), "f");
  EXPECT_TRUE(isNull(form, ".value"));
}

TEST_F(ElementClassesTest, SelectsReportTheirPresentationAndState) {
  ASSERT_TRUE(
      show("<select id=drop name=d><option value=a>A<option value=b selected>B</select>"
           "<select id=box size=4><option>x<option>y</select>"
           "<select id=multi multiple disabled><option>m</select>"
           "<select id=one size=1 multiple><option>o</select>"));
  CHtmlObjectPtr<IHtmlElement> drop = byId("drop");
  EXPECT_EQ(intProperty(drop, ".uIType"), 2);
  EXPECT_EQ(stringProperty(drop, ".name"), "d");
  EXPECT_EQ(stringProperty(drop, ".type"), "select-one");
  EXPECT_EQ(intProperty(drop, ".selectedIndex"), 1);
  EXPECT_EQ(stringProperty(drop, ".value"), "b");
  EXPECT_EQ(intProperty(drop, ".length"), 2);
  EXPECT_EQ(intProperty(drop, ".size"), 0);
  EXPECT_FALSE(boolProperty(drop, ".multiple"));
  EXPECT_FALSE(boolProperty(drop, ".disabled"));

  // A list box may have nothing selected.
  CHtmlObjectPtr<IHtmlElement> box = byId("box");
  EXPECT_EQ(intProperty(box, ".uIType"), 1);
  EXPECT_EQ(intProperty(box, ".size"), 4);
  EXPECT_EQ(intProperty(box, ".selectedIndex"), -1);
  EXPECT_EQ(stringProperty(box, ".value"), "");

  CHtmlObjectPtr<IHtmlElement> multi = byId("multi");
  EXPECT_EQ(intProperty(multi, ".uIType"), 1);
  EXPECT_EQ(stringProperty(multi, ".type"), "select-multiple");
  EXPECT_TRUE(boolProperty(multi, ".multiple"));
  EXPECT_TRUE(boolProperty(multi, ".disabled"));
  CHtmlObjectPtr<IHtmlElement> one = byId("one");
  EXPECT_EQ(intProperty(one, ".uIType"), 1);

  // Neither a list box nor a closed drop-down has a list object.
  EXPECT_EQ(longProperty(box, ".comboList"), 0);
  EXPECT_EQ(longProperty(drop, ".comboList"), 0);
  EXPECT_EQ(traced("comboFrame is null!"), 0u);
  EXPECT_EQ(traced("no dropdown found!"), 0u);
}

TEST_F(ElementClassesTest, SelectedIndexIsSetByIntegerOnly) {
  ASSERT_TRUE(show("<select id=s>" + options(4) + "</select>"));
  CHtmlObjectPtr<IHtmlElement> select = byId("s");
  EXPECT_TRUE(set(select, ".selectedIndex", AgentPropertyValue::integer(2)));
  EXPECT_EQ(intProperty(select, ".selectedIndex"), 2);
  EXPECT_EQ(stringProperty(select, ".value"), "Option 2");
  EXPECT_EQ(selection("s"), "2");
  EXPECT_FALSE(set(select, ".selectedIndex", AgentPropertyValue::text("3")));
  EXPECT_FALSE(set(select, ".selectedIndex", AgentPropertyValue::boolean(true)));
  EXPECT_EQ(intProperty(select, ".selectedIndex"), 2);
  EXPECT_FALSE(set(select, ".value", AgentPropertyValue::text("Option 1")));
  EXPECT_EQ(intProperty(select, ".selectedIndex"), 2);
  EXPECT_FALSE(select->setProperty(".selectedIndex", nullptr));
}

TEST_F(ElementClassesTest, EveryRectangleOfASelectIsTraced) {
  ASSERT_TRUE(show("<select id=s><option>a</select>"));
  CHtmlObjectPtr<IHtmlElement> select = byId("s");
  const std::string line =
      "Couldn't get layout frame, using old method to calculate screen rectangle...";
  HtmlRectangle bounds = rectProperty(select, ".bounds");
  EXPECT_GT(bounds.width, 0);
  EXPECT_EQ(traced(line), 1u);
  EXPECT_EQ(intProperty(select, ".screenLeft"), bounds.x);
  EXPECT_EQ(intProperty(select, ".screenTop"), bounds.y);
  EXPECT_TRUE(select->isPointInObject(bounds.x, bounds.y));
  EXPECT_FALSE(select->isPointInObject(bounds.x - 1, bounds.y));
  EXPECT_EQ(traced(line), 5u);
}

TEST_F(ElementClassesTest, AnOpenDropDownGivesItsListObject) {
  ASSERT_TRUE(
      show("<select id=s><option>a<option>b</select>"
           "<select id=hidden style='display:none'><option>h</select>"));
  nsIComboboxControlFrame* combo = comboFrame("s");
  ASSERT_TRUE(combo);
  combo->ShowDropDown(PR_TRUE);
  CHtmlObjectPtr<IHtmlElement> select = byId("s");
  {
    // The open list's popup is found: a new list object, which the receiver owns.
    CHtmlObjectPtr<IHtmlElement> list(
        reinterpret_cast<IHtmlElement*>(static_cast<intptr_t>(longProperty(select, ".comboList"))));
    ASSERT_TRUE(list);
    EXPECT_EQ(stringProperty(list, ".class"), "Html.ComboLBox");
    EXPECT_EQ(traced("Dropdown frame has no widget!"), 0u);
  }
  combo->ShowDropDown(PR_FALSE);
  EXPECT_EQ(longProperty(select, ".comboList"), 0);

  // A select that is not laid out has no combo box frame.
  CHtmlObjectPtr<IHtmlElement> hidden = byId("hidden");
  EXPECT_EQ(longProperty(hidden, ".comboList"), 0);
  EXPECT_EQ(traced("comboFrame is null!"), 1u);
}

TEST_F(ElementClassesTest, AnOpenDropDownIsATopLevelObjectWithItsEntries) {
  ASSERT_TRUE(
      show("<select id=s><option id=a>Apple<optgroup label=G id=g><option>x"
           "</optgroup><option id=c selected>Cherry</select>"));
  host->setAccessibilityEnabled(true);
  nsCOMPtr<nsIDOMElement> dom = elementById(m_window->document(0), "s");
  ASSERT_TRUE(m_window->openDropDown(dom));
  long handle = static_cast<long>(m_window->dropDownWindow(dom));
  ASSERT_NE(handle, 0);
  CHtmlObjectPtr<IHtmlTopLevelElement> list = domain->getTopLevelObject(handle);
  ASSERT_TRUE(list);
  EXPECT_EQ(stringProperty(list, ".class"), "Html.ComboLBox");
  // The popup lies right below the select, as wide as it.
  CHtmlObjectPtr<IHtmlElement> select = byId("s");
  HtmlRectangle selectBox = rectProperty(select, ".bounds");
  HtmlRectangle popup = rectProperty(list, ".bounds");
  EXPECT_EQ(popup.x, selectBox.x);
  EXPECT_EQ(popup.y, selectBox.y + selectBox.height);
  EXPECT_EQ(popup.width, selectBox.width);
  EXPECT_TRUE(list->isPointInObject(popup.x, popup.y));
  EXPECT_FALSE(list->isPointInObject(popup.x, popup.y + popup.height));
  // Its parent and owner are the select.
  CHtmlObjectPtr<IHtmlElement> parent = list->getParent();
  ASSERT_TRUE(parent);
  EXPECT_EQ(parent->getObject(), select->getObject());
  CHtmlObjectPtr<IHtmlElement> owner = list->getOwner();
  EXPECT_EQ(stringProperty(owner, ".tag"), "SELECT");
  // Entries: options and the group, numbered among themselves, with the options' rectangles.
  std::vector<std::string> entries;
  CHtmlObjectPtr<IHtmlEnumerator> items = list->getChildren();
  while (items && items->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> item = static_cast<IHtmlElement*>(items->nextElement());
    EXPECT_EQ(stringProperty(item, ".class"), "Html.CombolistItem");
    CHtmlObjectPtr<IHtmlElement> option = item->getParent();
    entries.push_back(std::to_string(intProperty(item, ".index")));
    HtmlRectangle row = rectProperty(item, ".bounds");
    if (entries.size() == 1) {
      CHtmlObjectPtr<IHtmlElement> apple = byId("a");
      EXPECT_EQ(row, rectProperty(apple, ".bounds"));
      EXPECT_GT(row.height, 0);
      // The row lies inside the popup.
      EXPECT_GE(row.y, popup.y);
      EXPECT_LE(row.y + row.height, popup.y + popup.height);
    }
  }
  EXPECT_EQ(entries, (std::vector<std::string>{"0", "1", "2"}));
  // The select's comboList is such an object too, and the enumeration starts with it.
  CHtmlObjectPtr<IHtmlElement> viaSelect(
      reinterpret_cast<IHtmlElement*>(static_cast<intptr_t>(longProperty(select, ".comboList"))));
  EXPECT_EQ(stringProperty(viaSelect, ".class"), "Html.ComboLBox");
  EXPECT_EQ(rectProperty(viaSelect, ".bounds"), popup);
  CHtmlObjectPtr<IHtmlEnumerator> all = domain->enumBrowsers();
  ASSERT_TRUE(all->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> first = static_cast<IHtmlElement*>(all->nextElement());
  EXPECT_EQ(stringProperty(first, ".class"), "Html.ComboLBox");

  // Closed, the window is gone and nothing answers for it.
  ASSERT_TRUE(m_window->closeDropDown(dom));
  CHtmlObjectPtr<IHtmlTopLevelElement> gone = domain->getTopLevelObject(handle);
  EXPECT_EQ(gone, nullptr);
  EXPECT_EQ(longProperty(select, ".comboList"), 0);
  host->setAccessibilityEnabled(false);
}

TEST_F(ElementClassesTest, OptionsReportTheirStateAndNeverContainAPoint) {
  ASSERT_TRUE(
      show("<select id=s size=3><option id=a value=va>A"
           "<option id=b selected>B</option><option id=c>C</select>"));
  CHtmlObjectPtr<IHtmlElement> a = byId("a");
  CHtmlObjectPtr<IHtmlElement> b = byId("b");
  EXPECT_EQ(stringProperty(a, ".class"), "Html.OPTION");
  EXPECT_EQ(stringProperty(a, ".value"), "va");
  EXPECT_EQ(stringProperty(b, ".value"), "B");
  EXPECT_EQ(stringProperty(b, ".text"), "B");
  EXPECT_EQ(intProperty(a, ".index"), 0);
  EXPECT_EQ(intProperty(b, ".index"), 1);
  EXPECT_TRUE(boolProperty(b, ".selected"));
  EXPECT_TRUE(boolProperty(b, ".defaultSelected"));
  EXPECT_FALSE(boolProperty(a, ".defaultSelected"));

  EXPECT_TRUE(set(a, ".selected", AgentPropertyValue::boolean(true)));
  EXPECT_EQ(selection("s"), "0");
  EXPECT_FALSE(set(a, ".value", AgentPropertyValue::text("x")));
  EXPECT_EQ(stringProperty(a, ".value"), "va");
  EXPECT_EQ(selection("s"), "0");

  // Without the accessibility service an option has no rectangle: no offsets are used.
  EXPECT_EQ(rectProperty(b, ".bounds"), (HtmlRectangle{0, 0, 0, 0}));
  host->setAccessibilityEnabled(true);
  HtmlRectangle bounds = rectProperty(b, ".bounds");
  EXPECT_GT(bounds.width, 0);
  EXPECT_GT(bounds.height, 0);
  CHtmlObjectPtr<IHtmlElement> select = byId("s");
  HtmlRectangle list = rectProperty(select, ".bounds");
  EXPECT_GE(bounds.y, list.y);
  EXPECT_LE(bounds.y + bounds.height, list.y + list.height);
  for (int dx : {0, 1, bounds.width / 2}) {
    EXPECT_FALSE(b->isPointInObject(bounds.x + dx, bounds.y + 1));
  }
  // The point belongs to the select, which hit-testing stops at.
  EXPECT_TRUE(select->isPointInObject(bounds.x + 1, bounds.y + 1));
  host->setAccessibilityEnabled(false);
}

TEST_F(ElementClassesTest, ScrollingAnOptionIntoViewMovesTheSelectionNextToIt) {
  ASSERT_TRUE(show("<select id=ten>" + options(10) +
                   "</select>"
                   "<select id=two><option id=t0>a<option id=t1>b</select>"
                   "<select id=list size=5 multiple>" +
                   "<option>p<option id=l1 selected>q<option id=l2>r<option selected>s</select>"
                   "<div><option id=lone>alone</option></div>"));
  struct Case {
    const char* option;
    const char* selectedAfter;
  };
  for (const Case& c : {Case{"o5", "6"}, Case{"o9", "8"}, Case{"o0", "1"}}) {
    CHtmlObjectPtr<IHtmlElement> option = byId(c.option);
    EXPECT_FALSE(option->scrollIntoView()) << c.option;
    EXPECT_EQ(selection("ten"), c.selectedAfter) << c.option;
  }
  EXPECT_EQ(traced("Going to use regular approach to bring  option element into view"), 3u);

  // The second of two options: nothing before it above index 1, nothing after it.
  CHtmlObjectPtr<IHtmlElement> t1 = byId("t1");
  EXPECT_EQ(selection("two"), "0");
  EXPECT_FALSE(t1->scrollIntoView());
  EXPECT_EQ(selection("two"), "0");

  // A multiple list box: the option ends unselected, the rest as it was.
  for (const char* id : {"l2", "l1"}) {
    CHtmlObjectPtr<IHtmlElement> option = byId(id);
    EXPECT_FALSE(option->scrollIntoView());
  }
  EXPECT_EQ(selection("list"), "3");
  EXPECT_EQ(traced("Multiple-Select List-box , Going to select & Unselect the option element to "
                   "bring it into view"),
            2u);

  // Outside any select there is nothing to scroll, and nothing is traced.
  size_t before = traceOfTest().size();
  CHtmlObjectPtr<IHtmlElement> lone = byId("lone");
  EXPECT_EQ(stringProperty(lone, ".class"), "Html.OPTION");
  EXPECT_FALSE(lone->scrollIntoView());
  EXPECT_EQ(traceOfTest().size(), before);
}

// An open list shows twenty rows; the agent brings a later option into view by moving the
// selection next to it, and the list scrolls to the selection as Firefox's does.
TEST_F(ElementClassesTest, ScrollingAnOptionOfALongOpenListIntoViewBringsItsRowIntoThePopup) {
  ASSERT_TRUE(show("<select id=long>" + options(40) + "</select>"));
  host->setAccessibilityEnabled(true);
  nsCOMPtr<nsIDOMElement> dom = elementById(m_window->document(0), "long");
  ASSERT_TRUE(m_window->openDropDown(dom));
  CHtmlObjectPtr<IHtmlElement> select = byId("long");
  CHtmlObjectPtr<IHtmlElement> list(
      reinterpret_cast<IHtmlElement*>(static_cast<intptr_t>(longProperty(select, ".comboList"))));
  ASSERT_TRUE(list);
  HtmlRectangle popup = rectProperty(list, ".bounds");
  auto shown = [&popup](const HtmlRectangle& row) {
    return row.height > 0 && row.y >= popup.y && row.y + row.height <= popup.y + popup.height;
  };
  CHtmlObjectPtr<IHtmlElement> first = byId("o0");
  CHtmlObjectPtr<IHtmlElement> lastShown = byId("o19");
  CHtmlObjectPtr<IHtmlElement> far = byId("o30");
  EXPECT_TRUE(shown(rectProperty(lastShown, ".bounds")));
  EXPECT_FALSE(shown(rectProperty(far, ".bounds")));
  EXPECT_FALSE(far->scrollIntoView());
  EXPECT_EQ(selection("long"), "31");
  EXPECT_TRUE(shown(rectProperty(far, ".bounds")));
  EXPECT_FALSE(shown(rectProperty(first, ".bounds")));
  ASSERT_TRUE(m_window->closeDropDown(dom));
  host->setAccessibilityEnabled(false);
}

TEST_F(ElementClassesTest, TablesRowsAndCells) {
  ASSERT_TRUE(
      show("<table id=t width='80%' border=1><caption> Sales\n 2010 <b>up</b></caption>"
           "<tr id=r0><th id=h>Item</th><td id=c1 rowspan=2 colspan=3 width=50>Tea</td></tr>"
           "<tr id=r1><td id=c2>2</td><td>3</td></tr></table>"
           "<table id=bare><tr><td>x</td></tr></table>"));
  CHtmlObjectPtr<IHtmlElement> table = byId("t");
  EXPECT_EQ(stringProperty(table, ".width"), "80%");
  EXPECT_EQ(stringProperty(table, ".border"), "1");
  EXPECT_EQ(stringProperty(table, ".caption"), " Sales  2010 up");
  CHtmlObjectPtr<IHtmlElement> bare = byId("bare");
  EXPECT_EQ(stringProperty(bare, ".width"), "");
  EXPECT_EQ(stringProperty(bare, ".border"), "");
  EXPECT_EQ(stringProperty(bare, ".caption"), "");

  CHtmlObjectPtr<IHtmlElement> r0 = byId("r0");
  CHtmlObjectPtr<IHtmlElement> r1 = byId("r1");
  EXPECT_EQ(intProperty(r0, ".rowIndex"), 0);
  EXPECT_EQ(intProperty(r1, ".rowIndex"), 1);
  EXPECT_EQ(stringProperty(r1, ".text"), "23");
  EXPECT_EQ(stringProperty(r0, ".text"), "Item Tea");

  CHtmlObjectPtr<IHtmlElement> head = byId("h");
  CHtmlObjectPtr<IHtmlElement> c1 = byId("c1");
  CHtmlObjectPtr<IHtmlElement> c2 = byId("c2");
  EXPECT_EQ(stringProperty(head, ".class"), "Html.TH");
  EXPECT_EQ(intProperty(head, ".cellIndex"), 0);
  EXPECT_EQ(intProperty(c1, ".cellIndex"), 1);
  EXPECT_EQ(intProperty(c1, ".rowSpan"), 2);
  EXPECT_EQ(intProperty(c1, ".colSpan"), 3);
  EXPECT_EQ(intProperty(c2, ".rowSpan"), 1);
  EXPECT_EQ(intProperty(c2, ".colSpan"), 1);
  EXPECT_TRUE(isNull(c1, ".width"));
  EXPECT_FALSE(set(c1, ".colSpan", AgentPropertyValue::integer(1)));
  EXPECT_FALSE(set(table, ".border", AgentPropertyValue::text("2")));
  EXPECT_EQ(stringProperty(table, ".border"), "1");
}

TEST_F(ElementClassesTest, AnchorsAndImages) {
  ASSERT_TRUE(
      show("<p><a id=link name=top href='sub/target.html' title=tip>the <b id=in>link"
           "</b></a> after</p>"
           "<img id=mid src=i.png align=middle border='' width=40 height=30 hspace=2 "
           "vspace=3 alt=pic name=n ismap usemap='#m'>"
           "<img id=left align=left src=j.png>"));
  CHtmlObjectPtr<IHtmlElement> link = byId("link");
  EXPECT_EQ(stringProperty(link, ".href"), "http://test/sub/target.html");
  EXPECT_EQ(stringProperty(link, ".name"), "top");
  EXPECT_EQ(stringProperty(link, ".class"), "Html.A");
  EXPECT_EQ(stringProperty(link, ".title"), "tip");
  // A point on text inside the link is in it; one on the text after it is not.
  CHtmlObjectPtr<IHtmlElement> inside = byId("in");
  HtmlRectangle bold = rectProperty(inside, ".bounds");
  HtmlRectangle whole = rectProperty(link, ".bounds");
  EXPECT_TRUE(link->isPointInObject(bold.x + 2, bold.y + 2));
  EXPECT_TRUE(link->isPointInObject(whole.x + 1, whole.y + 1));
  EXPECT_FALSE(link->isPointInObject(whole.x + whole.width + 12, whole.y + 2));
  EXPECT_FALSE(link->isPointInObject(-5000, -5000));

  CHtmlObjectPtr<IHtmlElement> mid = byId("mid");
  EXPECT_EQ(stringProperty(mid, ".align"), "center");
  EXPECT_EQ(stringProperty(mid, ".border"), "0");
  EXPECT_EQ(stringProperty(mid, ".src"), "http://test/i.png");
  EXPECT_EQ(stringProperty(mid, ".alt"), "pic");
  EXPECT_EQ(stringProperty(mid, ".name"), "n");
  EXPECT_EQ(stringProperty(mid, ".useMap"), "#m");
  EXPECT_EQ(intProperty(mid, ".width"), 40);
  EXPECT_EQ(intProperty(mid, ".height"), 30);
  EXPECT_EQ(intProperty(mid, ".hspace"), 2);
  EXPECT_EQ(intProperty(mid, ".vspace"), 3);
  EXPECT_TRUE(boolProperty(mid, ".isMap"));
  CHtmlObjectPtr<IHtmlElement> left = byId("left");
  EXPECT_EQ(stringProperty(left, ".align"), "left");
  EXPECT_EQ(stringProperty(left, ".useMap"), "");
  EXPECT_FALSE(boolProperty(left, ".isMap"));
  EXPECT_EQ(stringProperty(left, ".title"), "");
  // Beyond the image's own ids the base answers.
  EXPECT_EQ(stringProperty(left, ".class"), "Html.IMG");
  EXPECT_EQ(rectProperty(left, ".bounds").width, intProperty(left, ".offsetWidth"));

  EXPECT_TRUE(set(mid, ".scrollPosX", AgentPropertyValue::integer(10)));
  EXPECT_FALSE(set(mid, ".width", AgentPropertyValue::integer(10)));
  EXPECT_FALSE(set(mid, nullptr, AgentPropertyValue::integer(10)));
  EXPECT_EQ(intProperty(mid, ".width"), 40);
}

TEST_F(ElementClassesTest, MapsAndAreasReportTheRegionsTheirCoordsDescribe) {
  ASSERT_TRUE(
      show("<img src=i.png width=100 height=100 usemap='#m'>"
           "<map id=map name=m title=regions>"
           "<area id=rect shape=rect coords='10,20,50,60' href=r.html alt=R>"
           "<area id=circle shape=CIRCLE coords='30, 30, 10' href=c.html>"
           "<area id=poly shape=poly coords='0,0 40,0 20,30 5,5'>"
           "<area id=junk shape=rect coords='1,2,x,4'>"
           "<area id=none title=t></map>"));
  struct Case {
    const char* id;
    HtmlRectangle offsets;
  };
  for (const Case& c :
       {Case{"rect", {10, 20, 40, 40}}, Case{"circle", {20, 20, 20, 20}},
        Case{"poly", {0, 0, 40, 30}}, Case{"junk", {0, 0, 0, 0}}, Case{"none", {0, 0, 0, 0}}}) {
    CHtmlObjectPtr<IHtmlElement> area = byId(c.id);
    HtmlRectangle offsets{intProperty(area, ".offsetLeft"), intProperty(area, ".offsetTop"),
                          intProperty(area, ".offsetWidth"), intProperty(area, ".offsetHeight")};
    EXPECT_EQ(offsets, c.offsets) << c.id;
  }
  CHtmlObjectPtr<IHtmlElement> rect = byId("rect");
  EXPECT_EQ(stringProperty(rect, ".shape"), "rect");
  EXPECT_EQ(stringProperty(rect, ".coords"), "10,20,50,60");
  EXPECT_EQ(stringProperty(rect, ".href"), "http://test/r.html");
  EXPECT_EQ(stringProperty(rect, ".alt"), "R");
  EXPECT_EQ(stringProperty(rect, ".class"), "Html.AREA");
  CHtmlObjectPtr<IHtmlElement> circle = byId("circle");
  EXPECT_EQ(stringProperty(circle, ".shape"), "CIRCLE");
  CHtmlObjectPtr<IHtmlElement> none = byId("none");
  EXPECT_EQ(stringProperty(none, ".title"), "t");
  // An area never holds a point, not even one on its image.
  for (int x = 100; x < 300; x += 20)
    EXPECT_FALSE(rect->isPointInObject(x, 200));
  EXPECT_FALSE(set(rect, ".href", AgentPropertyValue::text("x.html")));

  CHtmlObjectPtr<IHtmlElement> map = byId("map");
  EXPECT_EQ(stringProperty(map, ".name"), "m");
  EXPECT_EQ(stringProperty(map, ".title"), "regions");
  EXPECT_EQ(stringProperty(map, ".class"), "Html.MAP");
  EXPECT_FALSE(set(map, ".name", AgentPropertyValue::text("x")));
}

TEST_F(ElementClassesTest, PluginElementsAnswerTheirAttributesAsText) {
  page("http://test/inner.html", "<p>inside the object</p>");
  ASSERT_TRUE(
      show("<object id=plugin type=application/x-test name=movie></object>"
           "<object id=upper type=TEXT/HTML data=inner.html></object>"
           "<applet id=applet code=Clock.class codebase=classes/ name=clock width=120 "
           "height=40></applet>"
           "<embed id=embed src=m.swf name=flash width=50 height=20>"));
  CHtmlObjectPtr<IHtmlElement> plugin = byId("plugin");
  EXPECT_EQ(stringProperty(plugin, ".name"), "movie");
  EXPECT_EQ(stringProperty(plugin, ".type"), "application/x-test");
  CHtmlObjectPtr<IHtmlEnumerator> none = plugin->getChildren();
  EXPECT_EQ(none, nullptr);
  CHtmlObjectPtr<IHtmlElement> upper = byId("upper");
  EXPECT_EQ(stringProperty(upper, ".type"), "TEXT/HTML");
  // The type is compared without regard to case: the object shows its page as its one child.
  CHtmlObjectPtr<IHtmlEnumerator> shown = upper->getChildren();
  ASSERT_TRUE(shown);
  ASSERT_TRUE(shown->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> document = static_cast<IHtmlElement*>(shown->nextElement());
  EXPECT_EQ(stringProperty(document, ".class"), "Html.HtmlDocument");
  EXPECT_EQ(stringProperty(document, ".url"), "http://test/inner.html");
  EXPECT_FALSE(shown->hasMoreElements());
  EXPECT_EQ(stringProperty(upper, ".name"), "");

  CHtmlObjectPtr<IHtmlElement> applet = byId("applet");
  EXPECT_EQ(stringProperty(applet, ".code"), "Clock.class");
  EXPECT_EQ(stringProperty(applet, ".codeBase"), "http://test/classes/");
  EXPECT_EQ(stringProperty(applet, ".name"), "clock");
  EXPECT_EQ(stringProperty(applet, ".width"), "120");
  EXPECT_EQ(stringProperty(applet, ".height"), "40");

  CHtmlObjectPtr<IHtmlElement> embed = byId("embed");
  EXPECT_EQ(stringProperty(embed, ".name"), "flash");
  EXPECT_EQ(stringProperty(embed, ".height"), "20");
  EXPECT_EQ(stringProperty(embed, ".width"), "50");
  EXPECT_EQ(stringProperty(embed, ".class"), "Html.EMBED");
}
