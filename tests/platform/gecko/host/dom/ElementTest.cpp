// Element names and attributes: the case rules of HTML documents against XUL and foreign
// content, attribute order and identity, name checks, and the reflection rules per kind.
#include "HostTestSupport.h"
#include "dom/Attr.h"
#include "dom/Element.h"
#include "dom/HTMLAnchorElement.h"
#include "dom/HTMLAreaElement.h"
#include "dom/HTMLElement.h"
#include "dom/XULDocument.h"

namespace geckohost::testing {
namespace {

using dom::DOMError;
using dom::Element;

class ElementTest : public LeakCheckedTest {};

TEST_F(ElementTest, TagNameIsUpperCaseOnlyForHTMLElementsOfHTMLDocuments) {
  auto page = parsePage("<div id=d></div><svg id=s><foreignObject id='f'/></svg><math id='m'/>");
  Element* div = page->getElementById(u"d");
  EXPECT_EQ(u8(div->tagName()), "DIV");
  EXPECT_EQ(u8(div->nodeName()), "DIV");
  EXPECT_EQ(u8(div->localName()), "div");
  EXPECT_EQ(u8(page->getElementById(u"s")->tagName()), "svg");
  EXPECT_EQ(u8(page->getElementById(u"f")->tagName()), "foreignObject");
  EXPECT_EQ(u8(page->getElementById(u"m")->tagName()), "math");
  EXPECT_FALSE(page->getElementById(u"s")->isHTML());

  DOMError error;
  EXPECT_EQ(u8(page->createElement(u"SeLeCt", error)->localName()), "select");

  auto chrome = dom::XULDocument::create(url("chrome://browser/content/browser.xul"));
  RefPtr<Element> box = chrome->createElement(u"hBox", error);
  EXPECT_EQ(u8(box->tagName()), "hBox");
  EXPECT_TRUE(box->isXUL());
  RefPtr<Element> html = chrome->createElementNS(dom::kHTMLNamespaceURI, u"html:div", error);
  EXPECT_TRUE(html->isHTML());
  EXPECT_EQ(u8(html->tagName()), "html:div");  // HTML, but not in an HTML document
  EXPECT_EQ(chrome->createElement(u"1box", error), nullptr);
  EXPECT_EQ(error, DOMError::InvalidCharacter);
}

TEST_F(ElementTest, AttributesKeepOrderFoldCaseAndKeepTheirNodes) {
  auto page = parsePage("<p id=p B=2 a=1 c=3></p>");
  Element* p = page->getElementById(u"p");
  ASSERT_EQ(p->attributeCount(), 4u);
  EXPECT_EQ(u8(p->attributeAt(1)->localName()), "b");
  EXPECT_EQ(u8(p->attributeAt(2)->localName()), "a");

  // Names given to an HTML element of an HTML document fold to lower case.
  EXPECT_EQ(u8(*p->getAttribute(u"B")), "2");
  EXPECT_EQ(p->setAttribute(u"DATA-X", u"v"), DOMError::None);
  EXPECT_EQ(u8(p->attributeAt(4)->localName()), "data-x");
  EXPECT_FALSE(p->getAttribute(u"missing").has_value());
  EXPECT_EQ(p->setAttribute(u"bad name", u"v"), DOMError::InvalidCharacter);

  // The same attribute answers with the same node, and the node follows the value.
  dom::Attr* a = p->getAttributeNode(u"a");
  p->setAttribute(u"a", u"changed");
  EXPECT_EQ(p->getAttributeNode(u"A"), a);
  EXPECT_EQ(u8(a->value()), "changed");
  a->setValue(u"via node");
  EXPECT_EQ(u8(*p->getAttribute(u"a")), "via node");
  EXPECT_EQ(a->ownerElement(), p);

  RefPtr<dom::Attr> keep = a;
  p->removeAttribute(u"a");
  EXPECT_EQ(keep->ownerElement(), nullptr);
  EXPECT_EQ(p->attributeCount(), 4u);

  // Attribute nodes move between elements only when free.
  RefPtr<dom::Attr> replaced;
  Element* other = page->body();
  EXPECT_EQ(other->setAttributeNode(*p->getAttributeNode(u"c"), replaced),
            DOMError::InUseAttribute);
  EXPECT_EQ(other->setAttributeNode(*keep, replaced), DOMError::None);
  EXPECT_EQ(u8(*other->getAttribute(u"a")), "via node");
  EXPECT_EQ(p->removeAttributeNode(*keep), DOMError::NotFound);
}

TEST_F(ElementTest, NamespacedAttributesOfForeignContent) {
  auto page = parsePage(R"(<svg id=s viewBox="0 0 1 1"><a id=a xlink:href="#t"/></svg>)");
  Element* link = page->getElementById(u"a");
  EXPECT_EQ(u8(*link->getAttributeNS(dom::kXLinkNamespaceURI, u"href")), "#t");
  EXPECT_EQ(u8(*link->getAttribute(u"xlink:href")), "#t");
  EXPECT_FALSE(link->getAttribute(u"href").has_value());
  // SVG keeps its mixed-case attribute names; lookups on foreign elements do not fold case.
  EXPECT_TRUE(page->getElementById(u"s")->getAttribute(u"viewBox").has_value());
  EXPECT_FALSE(page->getElementById(u"s")->getAttribute(u"viewbox").has_value());

  EXPECT_EQ(link->setAttributeNS(u"", u"p:x", u"v"), DOMError::Namespace);
  EXPECT_EQ(link->setAttributeNS(u"urn:x", u"p:x", u"v"), DOMError::None);
  EXPECT_TRUE(link->hasAttributeNS(u"urn:x", u"x"));
  link->removeAttributeNS(u"urn:x", u"x");
  EXPECT_FALSE(link->hasAttributeNS(u"urn:x", u"x"));
}

TEST_F(ElementTest, ReflectionRules) {
  auto page = parsePage(R"(<base href="http://cdn.test/base/">
      <p id=p hidden="false" n=" 12px" bad="px" neg="-3" link="../img/a b.png" t="RESET"
         empty-link="">)");
  Element* p = page->getElementById(u"p");
  // Booleans are presence; a value of "false" is still present.
  EXPECT_TRUE(p->boolAttribute(u"hidden"));
  p->setBoolAttribute(u"hidden", false);
  EXPECT_FALSE(p->boolAttribute(u"hidden"));
  p->setBoolAttribute(u"hidden", true);
  EXPECT_EQ(u8(*p->getAttribute(u"hidden")), "");

  EXPECT_EQ(p->intAttribute(u"n", 7), 12);
  EXPECT_EQ(p->intAttribute(u"bad", 7), 7);
  EXPECT_EQ(p->intAttribute(u"neg", 7), -3);
  EXPECT_EQ(p->intAttribute(u"absent", 7), 7);
  p->setIntAttribute(u"n", 40);
  EXPECT_EQ(u8(*p->getAttribute(u"n")), "40");

  // URLs resolve against <base href>, with unsafe characters escaped.
  EXPECT_EQ(u8(p->urlAttribute(u"link")), "http://cdn.test/img/a%20b.png");
  EXPECT_EQ(u8(p->urlAttribute(u"empty-link")), "http://cdn.test/base/");
  EXPECT_EQ(u8(p->urlAttribute(u"absent")), "");
  // The base follows the document: its href changed, then a base with a href put before it.
  Element* base = page->elementsByTagName(u"base").front();
  base->setAttribute(u"href", u"http://other.test/a/b/");
  EXPECT_EQ(u8(p->urlAttribute(u"link")), "http://other.test/a/img/a%20b.png");
  DOMError error = DOMError::None;
  RefPtr<Element> first = page->createElement(u"base", error);
  first->setAttribute(u"href", u"http://first.test/x/");
  base->parentNode()->insertBefore(*first, base);
  EXPECT_EQ(u8(p->urlAttribute(u"link")), "http://first.test/img/a%20b.png");

  EXPECT_EQ(u8(p->enumAttribute(u"t", {u"submit", u"reset"}, u"submit")), "reset");
  EXPECT_EQ(u8(p->enumAttribute(u"bad", {u"submit", u"reset"}, u"submit")), "submit");
  EXPECT_EQ(u8(p->stringAttribute(u"absent")), "");
}

TEST_F(ElementTest, UrlsOfADocumentWithoutHierarchyStayAsWritten) {
  auto blank = parsePage("<img id=i src=a.png><img id=j src=http://x.test/b.png>", "about:blank");
  EXPECT_EQ(u8(blank->getElementById(u"i")->urlAttribute(u"src")), "a.png");
  EXPECT_EQ(u8(blank->getElementById(u"j")->urlAttribute(u"src")), "http://x.test/b.png");
}

TEST_F(ElementTest, LinksAnswerThePartsOfTheirResolvedAddress) {
  auto page = parsePage(
      "<a id=a href='../x.html?q=1#top'>go</a><a id=b>none</a><area id=c href=http://h.test/>",
      "http://site.test:8080/d/p.html");
  auto* link = static_cast<dom::HTMLAnchorElement*>(page->getElementById(u"a"));
  EXPECT_EQ(u8(link->href()), "http://site.test:8080/x.html?q=1#top");
  EXPECT_EQ(u8(link->protocol()), "http:");
  EXPECT_EQ(u8(link->host()), "site.test:8080");
  EXPECT_EQ(u8(link->hostname()), "site.test");
  EXPECT_EQ(u8(link->port()), "8080");
  EXPECT_EQ(u8(link->pathname()), "/x.html");
  EXPECT_EQ(u8(link->search()), "?q=1");
  EXPECT_EQ(u8(link->hash()), "#top");
  EXPECT_EQ(u8(link->text()), "go");
  auto* bare = static_cast<dom::HTMLAnchorElement*>(page->getElementById(u"b"));
  EXPECT_EQ(u8(bare->href()), "");
  EXPECT_EQ(u8(bare->host()), "");
  auto* area = static_cast<dom::HTMLAreaElement*>(page->getElementById(u"c"));
  EXPECT_EQ(u8(area->port()), "");
  EXPECT_EQ(u8(area->pathname()), "/");
  EXPECT_EQ(u8(area->search()), "");
}

TEST_F(ElementTest, ElementNavigationSkipsOtherNodes) {
  auto page = parsePage("<div id=d> <!--c--><a id=a></a> text <b id=b></b> </div>");
  Element* div = page->getElementById(u"d");
  EXPECT_EQ(div->firstElementChild(), page->getElementById(u"a"));
  EXPECT_EQ(div->lastElementChild(), page->getElementById(u"b"));
  EXPECT_EQ(page->getElementById(u"a")->nextElementSibling(), page->getElementById(u"b"));
  EXPECT_EQ(page->getElementById(u"b")->previousElementSibling(), page->getElementById(u"a"));
  EXPECT_EQ(div->childElementCount(), 2u);
  EXPECT_EQ(div->childCount(), 6u);
}

}  // namespace
}  // namespace geckohost::testing
