// Form controls: where each input type keeps its value, checked state and radio groups,
// text areas, buttons, forms (elements, reset, defaults), and the select/option rules.
#include "HostTestSupport.h"
#include "dom/ElementList.h"
#include "dom/HTMLButtonElement.h"
#include "dom/HTMLFormElement.h"
#include "dom/HTMLInputElement.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "dom/HTMLTextAreaElement.h"

namespace geckohost::testing {
namespace {

using namespace dom;

class FormControlsTest : public LeakCheckedTest {};

template <class T>
T* byId(HTMLDocument& page, const char16_t* id) {
  return static_cast<T*>(page.getElementById(id));
}

TEST_F(FormControlsTest, InputTypeIsEnumeratedInLowerCaseWithTextAsDefault) {
  auto page = parsePage(
      "<input id=a><input id=b type=CheckBox><input id=c type=email><input id=d type=''>");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"a")->type()), "text");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"b")->type()), "checkbox");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"c")->type()), "text");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"d")->type()), "text");
  EXPECT_EQ(u8(*byId<HTMLInputElement>(*page, u"b")->getAttribute(u"type")), "CheckBox");
}

TEST_F(FormControlsTest, TextValueIsDirtyStateAndOtherTypesUseTheAttribute) {
  auto page = parsePage(
      "<form id=f><input id=t value=start><input id=h type=hidden value=h>"
      "<input id=c type=checkbox><input id=v type=checkbox value=yes></form>");
  auto* text = byId<HTMLInputElement>(*page, u"t");
  EXPECT_EQ(u8(text->value()), "start");
  text->setAttribute(u"value", u"markup");
  EXPECT_EQ(u8(text->value()), "markup");  // clean: follows the attribute
  text->setValue(u"typed\nline");
  EXPECT_EQ(u8(text->value()), "typedline");
  EXPECT_EQ(u8(text->defaultValue()), "markup");
  text->setAttribute(u"value", u"ignored");
  EXPECT_EQ(u8(text->value()), "typedline");  // dirty: keeps its own value

  auto* hidden = byId<HTMLInputElement>(*page, u"h");
  hidden->setValue(u"new");
  EXPECT_EQ(u8(*hidden->getAttribute(u"value")), "new");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"c")->value()), "on");
  EXPECT_EQ(u8(byId<HTMLInputElement>(*page, u"v")->value()), "yes");

  byId<HTMLFormElement>(*page, u"f")->reset();
  EXPECT_EQ(u8(text->value()), "ignored");
}

TEST_F(FormControlsTest, CheckedFollowsTheAttributeUntilSetAndResetRestoresIt) {
  auto page = parsePage("<form id=f><input id=c type=checkbox checked></form>");
  auto* box = byId<HTMLInputElement>(*page, u"c");
  EXPECT_TRUE(box->checked());
  EXPECT_TRUE(box->defaultChecked());
  box->removeAttribute(u"checked");
  EXPECT_FALSE(box->checked());
  box->setChecked(true);
  box->removeAttribute(u"checked");
  box->setAttribute(u"checked", u"");
  box->removeAttribute(u"checked");
  EXPECT_TRUE(box->checked());  // set directly: no longer follows
  box->click();
  EXPECT_FALSE(box->checked());
  box->setAttribute(u"checked", u"");
  byId<HTMLFormElement>(*page, u"f")->reset();
  EXPECT_TRUE(box->checked());
  box->setAttribute(u"disabled", u"");
  box->click();
  EXPECT_TRUE(box->checked());
}

TEST_F(FormControlsTest, RadioGroupsKeepOneCheckedPerNameAndForm) {
  auto page = parsePage(
      "<form><input id=a type=radio name=g checked><input id=b type=radio name=g checked>"
      "<input id=c type=radio name=other checked></form>"
      "<input id=d type=radio name=g checked>");
  auto* a = byId<HTMLInputElement>(*page, u"a");
  auto* b = byId<HTMLInputElement>(*page, u"b");
  auto* c = byId<HTMLInputElement>(*page, u"c");
  auto* d = byId<HTMLInputElement>(*page, u"d");
  EXPECT_FALSE(a->checked());  // the later checked radio of the group wins
  EXPECT_TRUE(b->checked());
  EXPECT_TRUE(c->checked());  // another name
  EXPECT_TRUE(d->checked());  // outside the form: another group
  a->click();
  EXPECT_TRUE(a->checked());
  EXPECT_FALSE(b->checked());
  EXPECT_TRUE(c->checked());
  EXPECT_TRUE(d->checked());
}

TEST_F(FormControlsTest, TextAreaValueAndDefaultValue) {
  auto page = parsePage("<form id=f><textarea id=t>old</textarea></form>");
  auto* area = byId<HTMLTextAreaElement>(*page, u"t");
  EXPECT_EQ(u8(area->value()), "old");
  area->setDefaultValue(u"markup");
  EXPECT_EQ(u8(area->value()), "markup");
  area->setValue(u"new");
  EXPECT_EQ(u8(area->value()), "new");
  EXPECT_EQ(u8(area->defaultValue()), "markup");
  byId<HTMLFormElement>(*page, u"f")->reset();
  EXPECT_EQ(u8(area->value()), "markup");
}

TEST_F(FormControlsTest, FormElementsAndDefaults) {
  auto page = parsePage(
      "<form id=f action='go?x=1' method=POST><input id=a><input type=image id=img>"
      "<fieldset><select id=s></select><button id=b type=RESET></button></fieldset>"
      "<textarea id=t></textarea><object id=o></object><p id=p></p></form>"
      "<form id=g></form>",
      "http://example.com/dir/page.html?q");
  auto* form = byId<HTMLFormElement>(*page, u"f");
  RefPtr<ElementList> elements = form->elements();
  std::string listed;
  for (uint32_t i = 0; Element* e = elements->item(i); ++i)
    listed += u8(e->id()) + " ";
  EXPECT_EQ(listed, "a s b t o ");
  EXPECT_EQ(form->length(), 5u);
  EXPECT_EQ(byId<HTMLInputElement>(*page, u"a")->formOwner(), form);
  EXPECT_EQ(byId<HTMLElement>(*page, u"p")->formOwner(), form);
  EXPECT_EQ(u8(form->action()), "http://example.com/dir/go?x=1");
  EXPECT_EQ(u8(form->method()), "post");
  EXPECT_EQ(u8(form->enctype()), "application/x-www-form-urlencoded");
  auto* empty = byId<HTMLFormElement>(*page, u"g");
  EXPECT_EQ(u8(empty->action()), "http://example.com/dir/page.html?q");
  EXPECT_EQ(u8(empty->method()), "get");
  EXPECT_EQ(u8(byId<HTMLButtonElement>(*page, u"b")->type()), "reset");

  // Moving a control out of the form takes it off the list.
  page->body()->appendChild(*byId<HTMLInputElement>(*page, u"a"));
  EXPECT_EQ(form->length(), 4u);
}

TEST_F(FormControlsTest, DropDownSelectsItsFirstUsableOptionAndListBoxMayBeEmpty) {
  auto page = parsePage(
      "<select id=drop><option disabled>x<option value=v1>a<option>  b  c </select>"
      "<select id=list size=3><option>a<option>b</select>"
      "<select id=multi multiple><option selected>a<option selected>b</select>"
      "<select id=two><option selected>a<option selected>b</select>"
      "<select id=none></select>");
  auto* drop = byId<HTMLSelectElement>(*page, u"drop");
  EXPECT_EQ(drop->selectedIndex(), 1);
  EXPECT_EQ(u8(drop->value()), "v1");
  EXPECT_EQ(u8(drop->type()), "select-one");
  EXPECT_EQ(drop->length(), 3u);
  EXPECT_EQ(u8(drop->optionAt(2)->text()), "b c");
  EXPECT_EQ(u8(drop->optionAt(2)->value()), "b c");

  auto* list = byId<HTMLSelectElement>(*page, u"list");
  EXPECT_EQ(list->selectedIndex(), -1);
  EXPECT_EQ(u8(list->value()), "");
  auto* multi = byId<HTMLSelectElement>(*page, u"multi");
  EXPECT_EQ(u8(multi->type()), "select-multiple");
  EXPECT_TRUE(multi->optionAt(0)->selected());
  EXPECT_TRUE(multi->optionAt(1)->selected());
  auto* two = byId<HTMLSelectElement>(*page, u"two");
  EXPECT_EQ(two->selectedIndex(), 1);  // of several selected, the last stays
  EXPECT_FALSE(two->optionAt(0)->selected());
  EXPECT_EQ(byId<HTMLSelectElement>(*page, u"none")->selectedIndex(), -1);
}

TEST_F(FormControlsTest, SelectingDeselectingAndEditingOptions) {
  auto page = parsePage("<select id=s><option>a<optgroup><option>b<option>c</optgroup></select>");
  auto* select = byId<HTMLSelectElement>(*page, u"s");
  EXPECT_EQ(select->length(), 3u);
  HTMLOptionElement* c = select->optionAt(2);
  EXPECT_EQ(c->index(), 2);
  EXPECT_EQ(c->ownerSelect(), select);

  c->setSelected(true);
  EXPECT_EQ(select->selectedIndex(), 2);
  EXPECT_FALSE(select->optionAt(0)->selected());
  c->setSelected(false);  // a drop-down falls back to its first option
  EXPECT_EQ(select->selectedIndex(), 0);
  select->setSelectedIndex(1);
  EXPECT_EQ(select->selectedIndex(), 1);
  select->setSelectedIndex(-1);
  EXPECT_EQ(select->selectedIndex(), -1);
  select->setSelectedIndex(7);
  EXPECT_EQ(select->selectedIndex(), -1);

  // Removing the selected option lets the rules pick again; new options are empty.
  select->setSelectedIndex(1);
  select->remove(1);
  EXPECT_EQ(select->length(), 2u);
  EXPECT_EQ(select->selectedIndex(), 0);
  select->setLength(4);
  EXPECT_EQ(select->length(), 4u);
  EXPECT_EQ(u8(select->optionAt(3)->text()), "");
  select->setLength(1);
  EXPECT_EQ(select->length(), 1u);

  DOMError error;
  RefPtr<Element> loose = page->createElement(u"option", error);
  EXPECT_EQ(static_cast<HTMLOptionElement*>(loose.get())->index(), -1);
  EXPECT_EQ(select->add(static_cast<HTMLElement&>(*loose), nullptr), DOMError::None);
  EXPECT_EQ(static_cast<HTMLOptionElement*>(loose.get())->index(), 1);
  EXPECT_EQ(select->add(static_cast<HTMLElement&>(*loose), page->body()), DOMError::NotFound);
}

TEST_F(FormControlsTest, ResetRestoresOptionDefaults) {
  auto page = parsePage(
      "<form id=f><select id=s size=4 multiple><option>a<option selected>b</select></form>");
  auto* select = byId<HTMLSelectElement>(*page, u"s");
  select->optionAt(0)->setSelected(true);
  select->optionAt(1)->setSelected(false);
  EXPECT_EQ(select->selectedIndex(), 0);
  byId<HTMLFormElement>(*page, u"f")->reset();
  EXPECT_FALSE(select->optionAt(0)->selected());
  EXPECT_TRUE(select->optionAt(1)->selected());
  EXPECT_TRUE(select->optionAt(1)->defaultSelected());
}

}  // namespace
}  // namespace geckohost::testing
