// Pages through gumbo into the DOM: structure, names, attributes, comments and text kept,
// foreign content in its namespaces, frames, and form state taken from the markup.
#include <fstream>
#include <sstream>

#include "HostTestSupport.h"
#include "dom/Comment.h"
#include "dom/DocumentType.h"
#include "dom/ElementList.h"
#include "dom/HTMLInputElement.h"
#include "dom/HTMLSelectElement.h"
#include "dom/HTMLTableElement.h"
#include "dom/HTMLTextAreaElement.h"

namespace geckohost::testing {
namespace {

using namespace dom;

class HTMLParserTest : public LeakCheckedTest {
 protected:
  static RefPtr<HTMLDocument> loadPage(const char* name) {
    std::ifstream file(std::string(GECKOHOST_TEST_PAGES) + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return parsePage(text.str(), (std::string("file:///pages/") + name).c_str());
  }
};

TEST_F(HTMLParserTest, RealPageKeepsDoctypeCommentsAndStructure) {
  auto page = loadPage("orders.html");
  DocumentType* doctype = page->doctype();
  ASSERT_NE(doctype, nullptr);
  EXPECT_EQ(u8(doctype->name()), "html");
  EXPECT_EQ(u8(doctype->publicId()), "-//W3C//DTD HTML 4.01//EN");
  EXPECT_FALSE(page->isQuirksMode());

  // doctype, comment, html, comment (after the end)
  ASSERT_EQ(page->childCount(), 4u);
  EXPECT_EQ(page->childAt(1)->nodeType(), NodeType::Comment);
  EXPECT_EQ(u8(static_cast<Comment*>(page->childAt(1))->data()),
            " order entry page: a table, a form and some foreign content ");
  EXPECT_EQ(page->childAt(2), page->documentElement());
  EXPECT_EQ(page->childAt(3)->nodeType(), NodeType::Comment);

  EXPECT_EQ(u8(page->title()), "Orders & Returns");
  EXPECT_EQ(u8(page->body()->tagName()), "BODY");
  EXPECT_EQ(u8(*page->body()->getAttribute(u"onload")), "init()");
  // White space between elements stays as text nodes.
  EXPECT_TRUE(page->body()->firstChild()->isText());
  EXPECT_EQ(u8(Document::readyStateName(page->readyState())), "interactive");
}

TEST_F(HTMLParserTest, TablesGetImpliedBodiesAndKeepTheirComments) {
  auto page = loadPage("orders.html");
  auto* table = static_cast<HTMLTableElement*>(page->getElementById(u"orders"));
  EXPECT_EQ(table->rows()->length(), 3u);
  EXPECT_EQ(table->tBodies()->length(), 1u);
  EXPECT_EQ(u8(*table->caption()->textContent()), "Open orders");
  Element* r1 = page->getElementById(u"r1");
  EXPECT_EQ(u8(*r1->textContent()), "1Café table");
  bool commentBetweenRows = false;
  for (Node* n = r1->nextSibling(); n; n = n->nextSibling()) {
    commentBetweenRows |= n->nodeType() == NodeType::Comment;
  }
  EXPECT_TRUE(commentBetweenRows);
  Element* link = page->getElementsByTagName(u"a")->item(0);
  EXPECT_EQ(u8(link->urlAttribute(u"href")), "file:///pages/items/2.html");
  EXPECT_EQ(u8(*link->getAttribute(u"name")), "i2");  // attribute names fold to lower case
}

TEST_F(HTMLParserTest, FormStateComesFromTheMarkup) {
  auto page = loadPage("orders.html");
  RefPtr<ElementList> inputs = page->getElementsByTagName(u"input");
  ASSERT_EQ(inputs->length(), 4u);
  auto input = [&](uint32_t i) { return static_cast<HTMLInputElement*>(inputs->item(i)); };
  EXPECT_EQ(u8(input(0)->value()), "Ann");
  EXPECT_EQ(input(0)->intAttribute(u"maxlength", 0), 20);
  EXPECT_TRUE(input(1)->checked());
  EXPECT_FALSE(input(2)->checked());
  EXPECT_TRUE(input(3)->checked());
  auto* select = static_cast<HTMLSelectElement*>(page->getElementsByTagName(u"select")->item(0));
  EXPECT_EQ(select->selectedIndex(), 1);
  auto* note = static_cast<HTMLTextAreaElement*>(page->getElementsByName(u"note")->item(0));
  EXPECT_EQ(u8(note->value()), "first line\nsecond line");
  EXPECT_EQ(page->forms()->namedItem(u"entry"), page->getElementById(u"entry"));
}

TEST_F(HTMLParserTest, ForeignContentEmbedAndUnknownTags) {
  auto page = loadPage("orders.html");
  Element* svg = page->getElementById(u"chart");
  EXPECT_EQ(svg->ns(), Namespace::SVG);
  EXPECT_EQ(u8(svg->firstElementChild()->localName()), "rect");
  EXPECT_EQ(svg->firstElementChild()->ns(), Namespace::SVG);
  EXPECT_EQ(u8(svg->lastElementChild()->localName()), "foreignObject");
  Element* mi = page->getElementsByTagNameNS(kMathMLNamespaceURI, u"mi")->item(0);
  ASSERT_NE(mi, nullptr);
  EXPECT_EQ(u8(mi->tagName()), "mi");

  // EMBED written in capitals is an ordinary HTML element named embed.
  Element* embed = page->embeds()->item(0);
  ASSERT_NE(embed, nullptr);
  EXPECT_EQ(u8(embed->tagName()), "EMBED");
  EXPECT_EQ(u8(embed->localName()), "embed");
  EXPECT_EQ(u8(*embed->getAttribute(u"width")), "200");

  Element* custom = page->getElementById(u"custom");
  EXPECT_EQ(u8(custom->localName()), "my-widget");
  EXPECT_EQ(u8(custom->tagName()), "MY-WIDGET");
  EXPECT_TRUE(custom->isHTML());
  EXPECT_EQ(u8(*custom->getAttribute(u"data-level")), "3");
}

TEST_F(HTMLParserTest, FramesetPages) {
  auto page = loadPage("frames.html");
  EXPECT_EQ(page->body(), page->getElementById(u"outer"));  // a frameset stands for the body
  RefPtr<ElementList> frames = page->getElementsByTagName(u"frame");
  ASSERT_EQ(frames->length(), 3u);
  EXPECT_EQ(frames->item(1)->parentNode(), page->getElementById(u"inner"));
  EXPECT_EQ(u8(frames->item(2)->urlAttribute(u"src")), "file:///pages/bottom.html");
  EXPECT_TRUE(frames->item(0)->boolAttribute(u"noresize"));
  EXPECT_EQ(u8(page->title()), "Frames");
}

TEST_F(HTMLParserTest, SmallDocumentsGetTheirImpliedElements) {
  auto empty = parsePage("");
  ASSERT_NE(empty->documentElement(), nullptr);
  EXPECT_NE(empty->head(), nullptr);
  EXPECT_NE(empty->body(), nullptr);
  EXPECT_TRUE(empty->isQuirksMode());

  auto duplicates = parsePage("<p id=a ID=b title=x>");
  Element* p = duplicates->getElementById(u"a");
  ASSERT_NE(p, nullptr);  // the first of two equal names wins
  EXPECT_EQ(p->attributeCount(), 2u);

  // A start tag that never closes its name becomes an element of that odd name.
  auto odd = parsePage("<input<input>");
  EXPECT_EQ(u8(odd->body()->firstElementChild()->localName()), "input<input");
}

}  // namespace
}  // namespace geckohost::testing
