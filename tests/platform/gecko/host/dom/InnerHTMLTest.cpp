// innerHTML: serialisation by the HTML fragment rules, and setting it through the fragment
// parser with the element as context.
#include "HostTestSupport.h"
#include "dom/FakeContainer.h"
#include "dom/HTMLElement.h"
#include "dom/Text.h"

namespace geckohost::testing {
namespace {

using dom::HTMLElement;

class InnerHTMLTest : public LeakCheckedTest {};

HTMLElement* byId(dom::HTMLDocument& page, const char16_t* id) {
  return static_cast<HTMLElement*>(page.getElementById(id));
}

TEST_F(InnerHTMLTest, SerialisationEscapesTextAndAttributesAndHonoursVoidAndRawText) {
  auto page = parsePage(
      "<div id=d TITLE='a\"b&amp;c<d'>x &lt; y &amp; z&gt;&nbsp;<BR><IMG SRC=i.png>"
      "<script>if (a < b && c) {}</script><style>p > q {}</style><!--note-->"
      "<svg viewBox='0 0 1 1'><foreignObject/></svg><textarea>\n\nkeep</textarea></div>");
  EXPECT_EQ(u8(byId(*page, u"d")->innerHTML()),
            "x &lt; y &amp; z&gt;&nbsp;<br><img src=\"i.png\">"
            "<script>if (a < b && c) {}</script><style>p > q {}</style><!--note-->"
            "<svg viewBox=\"0 0 1 1\"><foreignObject></foreignObject></svg>"
            "<textarea>\n\nkeep</textarea>");
  // The element's own attributes are not part of its inner HTML, but they escape in outer.
  auto other = parsePage("<p id=p><b title='a\"b&amp;c<d'>t</b></p>");
  EXPECT_EQ(u8(byId(*other, u"p")->innerHTML()), "<b title=\"a&quot;b&amp;c<d\">t</b>");
}

TEST_F(InnerHTMLTest, RoundTripsThroughTheParser) {
  const char* markups[] = {
      "<ul><li>one</li><li class=\"x\">two <em>2</em></li></ul>",
      "<table><tbody><tr><td>1</td><td colspan=\"2\">2</td></tr></tbody></table>",
      "<select><option selected=\"\">a</option><option>b</option></select>",
      "<pre>\n\nfirst line</pre><p>a&amp;b &lt;c&gt;</p>",
      "<math><mi>x</mi></math><svg><a xlink:href=\"#t\"></a></svg>",
  };
  for (const char* markup : markups) {
    auto page = parsePage("<div id=d></div>");
    HTMLElement* div = byId(*page, u"d");
    div->setInnerHTML(dom::utf8ToUTF16(markup));
    std::u16string once = div->innerHTML();
    EXPECT_EQ(u8(once), markup);
    div->setInnerHTML(once);
    EXPECT_EQ(u8(div->innerHTML()), markup);
  }
}

TEST_F(InnerHTMLTest, SettingParsesWithTheElementAsContext) {
  auto page = parsePage("<table><tr id=row></tr></table><div id=d>old</div><input id=i>");
  HTMLElement* row = byId(*page, u"row");
  row->setInnerHTML(u"<td>1</td><td>2</td>");
  ASSERT_EQ(row->childCount(), 2u);
  EXPECT_TRUE(static_cast<dom::Element*>(row->firstChild())->isHTML(u"td"));

  // A cell outside a row context is dropped; its text stays.
  HTMLElement* div = byId(*page, u"d");
  div->setInnerHTML(u"<td>cell</td>");
  ASSERT_EQ(div->childCount(), 1u);
  EXPECT_TRUE(div->firstChild()->isText());

  // Parsed with an input as context, an input ends up inside an input, as gumbo builds it.
  HTMLElement* input = byId(*page, u"i");
  input->setInnerHTML(u"<input id=inner>");
  ASSERT_NE(page->getElementById(u"inner"), nullptr);
  EXPECT_EQ(page->getElementById(u"inner")->parentNode(), input);
  EXPECT_EQ(u8(input->innerHTML()), "");  // void elements serialise no children

  div->setInnerHTML(u"");
  EXPECT_FALSE(div->hasChildNodes());
}

TEST_F(InnerHTMLTest, SettingIsOneChangeForTheShell) {
  auto page = parsePage("<div id=d><b>old</b></div>");
  FakeContainer container;
  page->setContainer(&container);
  byId(*page, u"d")->setInnerHTML(u"<p>a</p><p>b</p><p>c</p>");
  EXPECT_EQ(container.changes, 1);
  page->setContainer(nullptr);
}

// 100,000 nested spans: the parser builds them, innerHTML writes them back in order, another
// document adopts, clones and normalises them, and they are taken apart when the last reference
// goes, none of it one call per level.
TEST_F(InnerHTMLTest, DeepTreesParseSerialiseAndFreeWithoutRecursion) {
  const int depth = 100000;
  std::string inner;
  for (int i = 0; i < depth; ++i)
    inner += "<span>";
  inner += "<i>x</i><br>";
  for (int i = 0; i < depth; ++i)
    inner += "</span>";
  auto page = parsePage("<div id=d>" + inner + "</div><p id=after>y</p>");
  EXPECT_EQ(u8(byId(*page, u"d")->innerHTML()), inner);
  EXPECT_EQ(u8(byId(*page, u"after")->innerHTML()), "y");

  // Taken out and adopted by another document, all the way down.
  RefPtr<dom::Node> deep = byId(*page, u"d");
  ASSERT_EQ(deep->parentNode()->removeChild(*deep), dom::DOMError::None);
  auto other = parsePage("<p>other</p>");
  deep->adoptInto(*other);
  dom::Node* bottom = deep.get();
  while (bottom->firstChild())
    bottom = bottom->firstChild();
  EXPECT_EQ(u8(bottom->nodeValue().value_or(u"")), "x");
  EXPECT_EQ(bottom->ownerDocument(), other.get());

  // Cloned whole; normalised, merging texts at the bottom.
  RefPtr<dom::Node> copy = deep->cloneNode(true);
  ASSERT_TRUE(copy);
  EXPECT_EQ(u8(static_cast<HTMLElement&>(*copy).innerHTML()), inner);
  ASSERT_EQ(bottom->parentNode()->appendChild(*other->createTextNode(u"z")), dom::DOMError::None);
  deep->normalize();
  EXPECT_EQ(u8(bottom->nodeValue().value_or(u"")), "xz");
  EXPECT_EQ(bottom->nextSibling(), nullptr);
  page = nullptr;
  deep = nullptr;
}

}  // namespace
}  // namespace geckohost::testing
