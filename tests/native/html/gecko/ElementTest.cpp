// The element base over pages parsed by the host, without windows.
#include <gtest/gtest.h>

#include <set>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "NSHtmlDocument.h"
#include "NSHtmlElement.h"
#include "NSHtmlPropertyValue.h"
#include "SlotCall.h"
#include "TestHelpers.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLTextAreaElement.h"

using slotcall::callSlot;

namespace {

class ElementTest : public LiveObjectsCheck {
 protected:
  static CNSHtmlElement* Make(HostPage& page, const char* id) {
    nsCOMPtr<nsIDOMHTMLElement> element = page.element(id);
    return element ? CNSHtmlDocument::create(element) : nullptr;
  }
};

std::string TextOf(const char* markup) {
  HostPage page(std::string("<body><div id='t'>") + markup + "</div></body>");
  nsCOMPtr<nsIDOMHTMLElement> element = page.element("t");
  CHtmlObjectPtr<CNSHtmlElement> object = CNSHtmlDocument::create(element);
  nsString_external text;
  bool answered = object->getText(text);
  std::string result = Utf8(text.get());
  EXPECT_EQ(answered, !result.empty()) << markup;
  return result;
}

}  // namespace

TEST_F(ElementTest, StandardPropertiesOfAPlainElement) {
  HostPage page(R"html(<body><div id="a" title="t" class="c d">x</div></body>)html");
  CHtmlObjectPtr<CNSHtmlElement> div = Make(page, "a");
  EXPECT_EQ(StringProperty(div, ".id"), "a");
  EXPECT_EQ(StringProperty(div, ".title"), "t");
  EXPECT_EQ(StringProperty(div, ".className"), "c d");
  EXPECT_EQ(StringProperty(div, ".tag"), "DIV");
  EXPECT_EQ(StringProperty(div, ".class"), "Html.DIV");
  EXPECT_EQ(StringProperty(div, ".text"), "x");
  EXPECT_EQ(StringProperty(div, ".contentText"), "x");
  EXPECT_FALSE(HasProperty(div, 3));  // name
  EXPECT_EQ(div->getProperty(".nosuch"), nullptr);
  EXPECT_FALSE(div->setProperty(".title", nullptr));

  // uniqueId: eight hex digits and the tag name, the same for two objects of one element.
  std::string unique = StringProperty(div, ".uniqueId");
  ASSERT_EQ(unique.size(), 11u);
  EXPECT_EQ(unique.substr(8), "DIV");
  EXPECT_EQ(unique.find_first_not_of("0123456789abcdef"), 8u);
  CHtmlObjectPtr<CNSHtmlElement> again = Make(page, "a");
  EXPECT_EQ(StringProperty(again, ".uniqueId"), unique);
  EXPECT_EQ(again->getObject(), div->getObject());
  EXPECT_NE(again.operator CNSHtmlElement*(), div.operator CNSHtmlElement*());
}

TEST_F(ElementTest, AttributesAsNativeProperties) {
  HostPage page(R"html(<body><a id="link" onclick="f()" href="h.html">a</a>
    <input id="q" type="text" name="q"><p id="p">in <b>bold</b></p></body>)html");
  CHtmlObjectPtr<CNSHtmlElement> link = Make(page, "link");
  EXPECT_EQ(StringProperty(link, "onclick"), "f()");
  CHtmlObjectPtr<CNSHtmlElement> paragraph = Make(page, "p");
  EXPECT_EQ(StringProperty(paragraph, "innerHTML"), "in <b>bold</b>");
  EXPECT_EQ(StringProperty(paragraph, "innerhtml"), "(null)");
  EXPECT_EQ(StringProperty(paragraph, "id"), "p");  // an attribute by its own name

  CHtmlObjectPtr<CNSHtmlElement> input = Make(page, "q");
  CHtmlObjectPtr<IHtmlEnumerator> natives = input->getNativeProperties();
  std::set<std::string> names;
  while (natives->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlProperty> property = static_cast<IHtmlProperty*>(natives->nextElement());
    ASSERT_TRUE(property);
    names.insert(Utf8(property->getPropertyName()));
    EXPECT_EQ(property->getPropertyValue()->type(), 3);
  }
  EXPECT_EQ(names, (std::set<std::string>{"id", "type", "name"}));
}

TEST_F(ElementTest, HasScriptLooksAtItsOwnListOfHandlers) {
  HostPage page(R"html(<body id="body" onload="f()"><span id="s" onselect="">x</span>
    <i id="k" onkeyup="g()">y</i><b id="c" ondblclick="h()">z</b></body>)html");
  auto hasScript = [&](const char* id) {
    CHtmlObjectPtr<CNSHtmlElement> element = Make(page, id);
    CHtmlObjectPtr<IHtmlPropertyValue> value = element->getProperty(".hasScript");
    return value->booleanValue();
  };
  EXPECT_TRUE(hasScript("s"));  // an empty handler counts
  EXPECT_TRUE(hasScript("c"));
  EXPECT_FALSE(hasScript("k"));
  EXPECT_FALSE(hasScript("body"));
}

TEST_F(ElementTest, ChildrenSkipCommentsAndParentsClimbToTheDocument) {
  HostPage page(R"html(<body><p id="p">a<!--c--><b>x</b></p><div id="gone">g</div></body>)html");
  CHtmlObjectPtr<CNSHtmlElement> paragraph = Make(page, "p");
  CHtmlObjectPtr<IHtmlEnumerator> children = paragraph->getChildren();
  EXPECT_EQ(Classes(children), (std::vector<std::string>{"Html.TextNode", "Html.B"}));

  // p -> BODY -> HTML -> the document.
  CHtmlObjectPtr<IHtmlElement> body = paragraph->getParent();
  EXPECT_EQ(StringProperty(body, ".class"), "Html.BODY");
  CHtmlObjectPtr<IHtmlElement> html = body->getParent();
  EXPECT_EQ(StringProperty(html, ".class"), "Html.HTML");
  CHtmlObjectPtr<IHtmlElement> document = html->getParent();
  EXPECT_EQ(StringProperty(document, ".class"), "Html.HtmlDocument");

  // An element taken out of the page names its document as parent.
  nsCOMPtr<nsIDOMHTMLElement> gone = page.element("gone");
  CHtmlObjectPtr<CNSHtmlElement> goneObject = CNSHtmlDocument::create(gone);
  nsCOMPtr<nsIDOMNode> parentNode;
  gone->GetParentNode(getter_AddRefs(parentNode));
  nsCOMPtr<nsIDOMNode> removed;
  ASSERT_EQ(parentNode->RemoveChild(gone, getter_AddRefs(removed)), NS_OK);
  CHtmlObjectPtr<IHtmlElement> owner = goneObject->getParent();
  EXPECT_EQ(StringProperty(owner, ".class"), "Html.HtmlDocument");

  CHtmlObjectPtr<IHtmlDocument> handle = paragraph->getDocumentHandle();
  EXPECT_EQ(StringProperty(handle, ".class"), "Html.HtmlDocument");
  CHtmlObjectPtr<IHtmlEnumerator> bolds = paragraph->getElementsByTag(U16("b").data());
  EXPECT_EQ(Classes(bolds), (std::vector<std::string>{"Html.B"}));
}

TEST_F(ElementTest, ChildrenFollowTheLiveSiblingLinks) {
  HostPage page(R"html(<body><div id="d"><!--a-->x<!--b--><i>y</i><!--c--></div></body>)html");
  CHtmlObjectPtr<CNSHtmlElement> division = Make(page, "d");
  CHtmlObjectPtr<IHtmlEnumerator> children = division->getChildren();
  ASSERT_TRUE(children->hasMoreElements());
  CHtmlObjectPtr<IHtmlElement> first = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(StringProperty(first, ".class"), "Html.TextNode");

  // Added behind the last comment while the enumeration stands before the i element.
  nsCOMPtr<nsIDOMElement> bold;
  page.domDocument()->CreateElement(NS_LITERAL_STRING("b"), getter_AddRefs(bold));
  nsCOMPtr<nsIDOMHTMLElement> parent = page.element("d");
  nsCOMPtr<nsIDOMNode> added;
  ASSERT_EQ(parent->AppendChild(bold, getter_AddRefs(added)), NS_OK);
  EXPECT_EQ(Classes(children), (std::vector<std::string>{"Html.I", "Html.B"}));
  EXPECT_FALSE(children->hasMoreElements());
  EXPECT_EQ(children->nextElement(), nullptr);

  // Only comments: nothing to enumerate from the start.
  HostPage quiet(R"html(<body><div id="q"><!--a--><!--b--></div></body>)html");
  CHtmlObjectPtr<CNSHtmlElement> silent = Make(quiet, "q");
  CHtmlObjectPtr<IHtmlEnumerator> none = silent->getChildren();
  EXPECT_FALSE(none->hasMoreElements());
}

TEST_F(ElementTest, FocusFollowsTheActiveElement) {
  HostPage page(R"html(<body id="body"><input id="i"><input id="j"></body>)html");
  auto focused = [&](const char* id) {
    CHtmlObjectPtr<CNSHtmlElement> element = Make(page, id);
    CHtmlObjectPtr<IHtmlPropertyValue> value = element->getProperty(".hasFocus");
    return value->booleanValue();
  };
  EXPECT_TRUE(focused("body"));  // nothing focused: the body is the active element
  EXPECT_FALSE(focused("i"));
  nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(page.element("j"));
  ASSERT_TRUE(input);
  input->Focus();
  EXPECT_TRUE(focused("j"));
  EXPECT_FALSE(focused("i"));
  EXPECT_FALSE(focused("body"));
}

TEST_F(ElementTest, ElementTextFollowsTheWalkRules) {
  EXPECT_EQ(TextOf("<p> Hello,\n  <b>big</b>\tworld </p>"), "Hello, big world");
  EXPECT_EQ(TextOf("a<script>var x;</script><SCRIPT>y</SCRIPT><style>p{}</style>b"), "ab");
  EXPECT_EQ(TextOf("a<br>b"), "a b");
  EXPECT_EQ(TextOf("<select><option>x</option><option>y</option></select>"), "x y");
  EXPECT_EQ(TextOf("<table><tr><td>1</td><td>2</td></tr></table>"), "12");
  EXPECT_EQ(TextOf("<table><tr><th>1</th><th>2</th></tr></table>"), "1 2");
  EXPECT_EQ(TextOf("one&nbsp;&nbsp;two"), "one two");
  EXPECT_EQ(TextOf("&copy; 2026"), "\xC2\xA9 2026");
  EXPECT_EQ(TextOf(" \n\t "), "");
  EXPECT_EQ(TextOf("<!--only a comment-->"), "");
  // Roles hold at any depth and after children: the space comes after the cell's whole text.
  EXPECT_EQ(TextOf("<p>a<b>x<br></b>y</p>"), "ax y");
  EXPECT_EQ(TextOf("<table><tr><th><b>1</b>a</th><th>2</th></tr></table>"), "1a 2");
  EXPECT_EQ(TextOf("<div><p><script>x</script>in</p>out</div>"), "inout");
  // Only HTML elements have roles: an SVG style element's text is text.
  EXPECT_EQ(TextOf("<svg><style>s{}</style><text>t</text></svg>|<style>h{}</style>"), "s{}t|");
  // White space at one end only, one run inside, single spaces only, one character.
  EXPECT_EQ(TextOf(" a b"), "a b");
  EXPECT_EQ(TextOf("a b\t"), "a b");
  EXPECT_EQ(TextOf("a b<b> </b>c"), "a b c");
  EXPECT_EQ(TextOf("a<b>\r\n</b>b"), "a b");
  EXPECT_EQ(TextOf("a b c"), "a b c");
  EXPECT_EQ(TextOf("x"), "x");
}

TEST_F(ElementTest, TextAreaGivesItsMarkupThenItsValue) {
  HostPage page(R"html(<body><div id="t"><textarea id="area">old</textarea></div></body>)html");
  nsCOMPtr<nsIDOMHTMLTextAreaElement> area = do_QueryInterface(page.element("area"));
  ASSERT_TRUE(area);
  area->SetValue(NS_LITERAL_STRING("new"));
  CHtmlObjectPtr<CNSHtmlElement> holder = Make(page, "t");
  EXPECT_EQ(StringProperty(holder, ".text"), "oldnew");
  // The value is taken as it is and cleaned with the rest: a no-break space becomes a space.
  area->SetValue(NS_ConvertUTF8toUTF16("n\xC2\xA0w"));
  EXPECT_EQ(StringProperty(holder, ".text"), "oldn w");
  // So is text the caller brought.
  nsString_external brought;
  brought.Assign(NS_ConvertUTF8toUTF16("x\xC2\xA0"));
  EXPECT_TRUE(holder->getText(brought));
  EXPECT_EQ(Utf8(brought.get()), "x oldn w");
  // An element with nothing but white space has the empty text.
  HostPage blank("<body><p id='w'>  \n </p></body>");
  CHtmlObjectPtr<CNSHtmlElement> white = Make(blank, "w");
  EXPECT_EQ(StringProperty(white, ".text"), "");
}

TEST_F(ElementTest, PrivateSlotsFollowTheInterfaceSlots) {
  HostPage page("<body><div id='d'>text</div></body>");
  CNSHtmlElement* element = Make(page, "d");
  EXPECT_FALSE(callSlot<bool>(element, 29));  // isVisible
  nsString_external text;
  EXPECT_TRUE((callSlot<bool, nsString_external&>(element, 30, text)));  // getText
  EXPECT_EQ(Utf8(text.get()), "text");
  EXPECT_FALSE((callSlot<bool, int, int>(element, 33, 1, 1)));  // hitTest
  EXPECT_EQ(callSlot<void*>(element, 34), nullptr);             // getLayoutFrame: not laid out
  element->release();  // through the virtual destructor of slots 31 and 32
}
