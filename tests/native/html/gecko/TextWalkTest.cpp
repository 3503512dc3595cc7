// The raw text walk over the content tree, for what pages parsed as HTML do not show: roots
// outside the content tree, CDATA sections and processing instructions, prefixed and
// upper-case HTML names. The walk's ordinary rules are covered by the element's text tests.
#include "NSTextWalk.h"

#include <gtest/gtest.h>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "TestHelpers.h"
#include "dom/CDATASection.h"
#include "dom/Element.h"
#include "dom/ProcessingInstruction.h"
#include "nsIDOMComment.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"

namespace {

class TextWalkTest : public LiveObjectsCheck {};

std::string RawText(nsIDOMNode* node) {
  nsString_external text;
  CNSTextWalk(text).addChildrenOf(node);
  return Utf8(text.get());
}

const PRUnichar* U(const char16_t* text) {
  return reinterpret_cast<const PRUnichar*>(text);
}

nsCOMPtr<nsIDOMNode> AsNode(nsISupports* object) {
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(object);
  return node;
}

// An HTML element made through the DOM with the qualified name `name`, holding `text`, added
// to `parent`.
void AddElement(HostPage& page, nsIDOMNode* parent, const char* name, const char* text) {
  nsCOMPtr<nsIDOMElement> element;
  page.domDocument()->CreateElementNS(NS_LITERAL_STRING("http://www.w3.org/1999/xhtml"),
                                      NS_ConvertASCIItoUTF16(name), getter_AddRefs(element));
  ASSERT_TRUE(element) << name;
  nsCOMPtr<nsIDOMText> data;
  page.domDocument()->CreateTextNode(NS_ConvertASCIItoUTF16(text), getter_AddRefs(data));
  nsCOMPtr<nsIDOMNode> added;
  element->AppendChild(data, getter_AddRefs(added));
  parent->AppendChild(element, getter_AddRefs(added));
}

TEST_F(TextWalkTest, ADocumentRootWalksItsContentChildren) {
  HostPage page("<!DOCTYPE html><!--c--><html><body>a<br>b\tc</body></html>");
  EXPECT_EQ(RawText(AsNode(page.domDocument())), "a b c");
  EXPECT_EQ(RawText(nullptr), "");
}

TEST_F(TextWalkTest, OnlyTextNodesGiveTheirData) {
  HostPage page("<body><div id='d'>a</div></body>");
  nsCOMPtr<nsIDOMNode> div = AsNode(page.element("d"));
  geckohost::dom::Node& host = *page.page().getElementById(u"d");
  host.appendChild(*new geckohost::dom::CDATASection(page.page(), u"cdata"));
  host.appendChild(*new geckohost::dom::ProcessingInstruction(page.page(), u"pi", u"data"));
  nsCOMPtr<nsIDOMComment> comment;
  page.domDocument()->CreateComment(NS_LITERAL_STRING("comment"), getter_AddRefs(comment));
  nsCOMPtr<nsIDOMNode> added;
  div->AppendChild(comment, getter_AddRefs(added));
  nsCOMPtr<nsIDOMText> last;
  page.domDocument()->CreateTextNode(NS_LITERAL_STRING("z\r\n"), getter_AddRefs(last));
  div->AppendChild(last, getter_AddRefs(added));
  EXPECT_EQ(RawText(div), "az  ");
}

TEST_F(TextWalkTest, NestingKeepsTheOrderAtEveryDepth) {
  // Text before and after each level's child, a line break at some levels: the walk keeps
  // its first levels in itself and the deeper ones elsewhere, and must not mix them up.
  for (int depth : {15, 16, 17, 40}) {
    std::string markup = "<body><div id='top'>";
    std::string expected;
    for (int level = 0; level < depth; ++level) {
      markup += "<span>" + std::to_string(level) + (level % 7 == 3 ? "<br>" : "");
      expected += std::to_string(level) + (level % 7 == 3 ? " " : "");
    }
    // Two sibling chains below the deepest level: the second is entered after the first has
    // been left again.
    markup += "<b><b><b>p</b></b>q</b><b><b>r<b>s</b></b></b>";
    expected += "pqrs";
    std::string closing;
    for (int level = depth - 1; level >= 0; --level) {
      markup += "</span>" + std::string(1, char('a' + level % 26));
      closing += char('a' + level % 26);
    }
    HostPage page(markup + "</div></body>");
    EXPECT_EQ(RawText(AsNode(page.element("top"))), expected + closing) << depth;
  }
}

TEST_F(TextWalkTest, RolesGoByTheTagNameOfHtmlElements) {
  HostPage page("<body><div id='d'>[</div></body>");
  nsCOMPtr<nsIDOMNode> div = AsNode(page.element("d"));
  AddElement(page, div, "h:script", "prefixed ");  // tag name h:script: not a script
  AddElement(page, div, "SCRIPT", "upper");        // an HTML script whatever the case
  AddElement(page, div, "Th", "cell");
  AddElement(page, div, "h:br", "");
  AddElement(page, div, "scripts", "longer");
  nsCOMPtr<nsIDOMText> end;
  page.domDocument()->CreateTextNode(NS_LITERAL_STRING("]"), getter_AddRefs(end));
  nsCOMPtr<nsIDOMNode> added;
  div->AppendChild(end, getter_AddRefs(added));
  EXPECT_EQ(RawText(div), "[prefixed cell longer]");
}

TEST_F(TextWalkTest, RoleNamesIgnoreOnlyAsciiCase) {
  using Role = CNSTextWalk::Role;
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentCString("TextArea")), Role::ValueAfter);
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentString(U(u"OPTION"))), Role::SpaceAfter);
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentCString("style")), Role::Skipped);
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentCString("style", 4)), Role::Plain);  // "styl"
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentString(U(u"\u0130r"))), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName(nsDependentCString("")), Role::Plain);
  // Terminated names, as tag atoms give them: the length decides first, then every letter.
  EXPECT_EQ(CNSTextWalk::roleOfName("SCRIPT"), Role::Skipped);
  EXPECT_EQ(CNSTextWalk::roleOfName("tH"), Role::SpaceAfter);
  EXPECT_EQ(CNSTextWalk::roleOfName("scripts"), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName("scrip"), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName("optiom"), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName("b\x80"), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName(""), Role::Plain);
  EXPECT_EQ(CNSTextWalk::roleOfName(static_cast<const char*>(nullptr)), Role::Plain);
  // Both readings agree on every name with a role, its near misses and its case variants.
  for (const char* name :
       {"br",     "BR",     "bR",      "b",     "brr",      "th",       "tH",        "td",
        "t",      "thead",  "style",   "STYLE", "styles",   "script",   "Script",    "scripts",
        "option", "OPTION", "options", "optio", "textarea", "TextArea", "textareas", "b\x82",
        "\x82r",  "@r",     "B\x00r",  "[r",    "div",      "o",        "s",         ""}) {
    EXPECT_EQ(CNSTextWalk::roleOfName(name), CNSTextWalk::roleOfName(nsDependentCString(name)))
        << name;
  }
}

}  // namespace
