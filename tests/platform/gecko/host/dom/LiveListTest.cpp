// Lookups and live lists: getElementById/Name/TagName/ClassName, document collections and
// childNodes, each followed through later changes of the tree.
#include "HostTestSupport.h"
#include "dom/ChildNodeList.h"
#include "dom/ElementList.h"
#include "dom/HTMLElement.h"
#include "dom/XULDocument.h"
#include "layout/ShownPage.h"

namespace geckohost::testing {
namespace {

using dom::DOMError;
using dom::Element;

class LiveListTest : public LeakCheckedTest {};

std::string ids(dom::ElementList& list) {
  std::string out;
  for (uint32_t i = 0; Element* element = list.item(i); ++i) {
    if (!out.empty())
      out += ",";
    out += u8(element->id());
  }
  return out;
}

TEST_F(LiveListTest, TagNameListsFollowTheTreeAndTheHTMLCaseRule) {
  auto page = parsePage(
      "<div id=a><p id=b></p></div><DIV id=c></DIV><svg id=s><foreignObject id=f/></svg>");
  RefPtr<dom::ElementList> divs = page->getElementsByTagName(u"DIV");
  EXPECT_EQ(ids(*divs), "a,c");
  // Lower-cased first, so the camel-cased SVG name is not found through an HTML document.
  EXPECT_EQ(page->getElementsByTagName(u"foreignObject")->length(), 0u);
  EXPECT_EQ(page->getElementsByTagNameNS(dom::kSVGNamespaceURI, u"foreignObject")->length(), 1u);
  RefPtr<dom::ElementList> all = page->getElementsByTagName(u"*");
  EXPECT_EQ(all->length(), 8u);  // html head body div p div svg foreignObject
  EXPECT_EQ(all->item(0), page->documentElement());
  EXPECT_EQ(all->item(99), nullptr);

  DOMError error;
  RefPtr<Element> added = page->createElement(u"div", error);
  added->setAttribute(u"id", u"d");
  page->getElementById(u"b")->appendChild(*added);
  EXPECT_EQ(ids(*divs), "a,d,c");
  page->getElementById(u"a")->parentNode()->removeChild(*page->getElementById(u"a"));
  EXPECT_EQ(ids(*divs), "c");

  // An element's own list covers its descendants only.
  Element* c = page->getElementById(u"c");
  RefPtr<dom::ElementList> inside = c->getElementsByTagName(u"P");
  EXPECT_EQ(inside->length(), 0u);
  static_cast<dom::HTMLElement*>(c)->setInnerHTML(u"<p id=x></p><span><p id=y></p></span>");
  EXPECT_EQ(ids(*inside), "x,y");
}

TEST_F(LiveListTest, IdNameAndClassLookups) {
  auto page = parsePage(
      "<form name=f id=dup><input name=q id=first><input name=q></form>"
      "<p id=dup class='x  y'></p><svg><a name=q class=y /></svg>");
  EXPECT_EQ(u8(page->getElementById(u"dup")->localName()), "form");  // the first in tree order
  EXPECT_EQ(page->getElementById(u""), nullptr);
  EXPECT_EQ(page->getElementById(u"none"), nullptr);

  RefPtr<dom::ElementList> named = page->getElementsByName(u"q");
  EXPECT_EQ(named->length(), 2u);  // the SVG element does not count
  EXPECT_EQ(named->item(0), page->getElementById(u"first"));
  page->getElementById(u"first")->setAttribute(u"name", u"other");
  EXPECT_EQ(named->length(), 1u);

  EXPECT_EQ(page->getElementsByClassName(u"y")->length(), 2u);
  EXPECT_EQ(page->getElementsByClassName(u"y x")->length(), 1u);
  EXPECT_EQ(page->getElementsByClassName(u" ")->length(), 0u);
}

TEST_F(LiveListTest, DocumentCollectionsAndNamedItems) {
  auto page = parsePage(
      "<img id=i1><a href=x id=l1 name=n1>1</a><a name=anchor id=a2>2</a>"
      "<map><area href=y id=l2></map><form id=f1></form><form name=second></form>"
      "<embed id=e1><applet id=p1></applet>");
  EXPECT_EQ(page->images()->length(), 1u);
  EXPECT_EQ(ids(*page->links()), "l1,l2");
  EXPECT_EQ(ids(*page->anchors()), "l1,a2");
  EXPECT_EQ(page->embeds()->length(), 1u);
  EXPECT_EQ(page->applets()->length(), 1u);
  RefPtr<dom::ElementList> forms = page->forms();
  EXPECT_EQ(forms->length(), 2u);
  EXPECT_EQ(forms->namedItem(u"f1"), forms->item(0));      // by id
  EXPECT_EQ(forms->namedItem(u"second"), forms->item(1));  // by name
  EXPECT_EQ(forms->namedItem(u"none"), nullptr);
}

TEST_F(LiveListTest, ChildNodesAndChildrenAreLive) {
  auto page = parsePage("<ul id=u><li>a</li> <li>b</li></ul>");
  Element* list = page->getElementById(u"u");
  RefPtr<dom::ChildNodeList> nodes = new dom::ChildNodeList(*list);
  RefPtr<dom::ElementList> elements = list->children();
  EXPECT_EQ(nodes->length(), 3u);
  EXPECT_EQ(elements->length(), 2u);
  list->removeChild(*list->firstChild());
  EXPECT_EQ(nodes->length(), 2u);
  EXPECT_TRUE(nodes->item(0)->isText());
  EXPECT_EQ(elements->length(), 1u);
}

TEST_F(LiveListTest, ListsKeepTheirRootAlive) {
  RefPtr<dom::ElementList> items;
  {
    auto page = parsePage("<ul><li>a<li>b</ul>");
    items = page->getElementsByTagName(u"li");
  }
  EXPECT_EQ(items->length(), 2u);
  EXPECT_EQ(u8(*items->item(1)->textContent()), "b");
}

// A shown document hands out one list per tag name, as Gecko's content-list cache does; the
// list stays live, keeps the document alive once the document has left its shell, and the
// document is not kept alive by the lists it cached (the fixture's leak check).
TEST_F(LiveListTest, AShownDocumentHandsOutOneListPerTagName) {
  RefPtr<dom::ElementList> kept;
  {
    ShownPage page("<p>a</p><p>b</p>");
    RefPtr<dom::ElementList> upper = page.document->getElementsByTagName(u"P");
    RefPtr<dom::ElementList> lower = page.document->getElementsByTagName(u"p");
    EXPECT_EQ(upper.get(), lower.get());
    EXPECT_NE(page.document->getElementsByTagName(u"div").get(), upper.get());
    // Still the same list after more names than the document remembers as recent.
    for (const char16_t* other : {u"a", u"b", u"i", u"em", u"td", u"DIV"})
      EXPECT_EQ(page.document->getElementsByTagName(other)->length(), 0u);
    EXPECT_EQ(page.document->getElementsByTagName(u"p").get(), upper.get());
    EXPECT_EQ(page.document->getElementsByTagName(u"P").get(), upper.get());
    DOMError error;
    RefPtr<Element> third = page.document->createElement(u"p", error);
    page.document->body()->appendChild(*third);
    EXPECT_EQ(lower->length(), 3u);
    kept = upper;
  }
  EXPECT_EQ(kept->length(), 3u);
  EXPECT_EQ(u8(*kept->item(1)->textContent()), "b");

  // A document that is not shown keeps nothing: each call makes a list of its own.
  auto parsed = parsePage("<p>x</p>");
  EXPECT_NE(parsed->getElementsByTagName(u"p").get(), parsed->getElementsByTagName(u"p").get());
}

TEST_F(LiveListTest, XULElementsByAttribute) {
  auto chrome = dom::XULDocument::create(url("chrome://test/content/t.xul"));
  DOMError error;
  RefPtr<Element> root = chrome->createElement(u"window", error);
  chrome->appendChild(*root);
  for (const char16_t* value : {u"a", u"b", u"a"}) {
    RefPtr<Element> button = chrome->createElement(u"button", error);
    button->setAttribute(u"dlgtype", value);
    root->appendChild(*button);
  }
  RefPtr<dom::ElementList> accept = chrome->getElementsByAttribute(u"dlgtype", u"a");
  EXPECT_EQ(accept->length(), 2u);
  EXPECT_EQ(chrome->getElementsByAttribute(u"dlgtype", u"*")->length(), 3u);
  EXPECT_EQ(chrome->getElementsByAttribute(u"DLGTYPE", u"*")->length(), 0u);  // XUL keeps case
  accept->item(0)->setAttribute(u"dlgtype", u"c");
  EXPECT_EQ(accept->length(), 1u);
}

}  // namespace
}  // namespace geckohost::testing
