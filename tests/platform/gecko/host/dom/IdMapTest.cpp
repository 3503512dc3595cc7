// The document's id map and its cached tag-name lists, followed through every kind of change
// of the tree: each answer is checked against a walk of the document, as getElementById used
// to answer.
#include "HostTestSupport.h"
#include "dom/Attr.h"
#include "dom/ElementList.h"
#include "dom/HTMLElement.h"
#include "dom/XULDocument.h"
#include "parser/XULParser.h"

namespace geckohost::testing {
namespace {

using dom::DOMError;
using dom::Element;

class IdMapTest : public LeakCheckedTest {};

// The first element in tree order with `id`, found the slow way.
Element* walkFor(dom::Document& document, std::u16string_view id) {
  for (dom::Node* node = document.firstChild(); node; node = node->nextInTreeOrder(&document)) {
    if (!node->isElement())
      continue;
    const std::u16string* value = static_cast<Element*>(node)->attributeValue(u"id");
    if (value && *value == id)
      return static_cast<Element*>(node);
  }
  return nullptr;
}

void expectMapAgreesWithWalk(dom::Document& document, const char* when) {
  for (const char16_t* id : {u"a", u"b", u"c", u"d", u"x", u"y", u"z", u"inner"}) {
    EXPECT_EQ(document.getElementById(id), walkFor(document, id)) << when << ": " << u8(id);
  }
}

RefPtr<Element> newElement(dom::Document& document, const char16_t* tag, const char16_t* id) {
  DOMError error;
  RefPtr<Element> element = document.createElement(tag, error);
  if (id)
    element->setAttribute(u"id", id);
  return element;
}

TEST_F(IdMapTest, FollowsInsertsRemovalsMovesAndDuplicates) {
  auto page = parsePage("<div id=a><p id=b></p></div><div id=c><span id=b></span></div>");
  Element* firstB = page->getElementById(u"b");
  ASSERT_TRUE(firstB);
  EXPECT_EQ(firstB->localName(), u"p");  // the first of two in tree order
  expectMapAgreesWithWalk(*page, "parsed");

  // A new element with a taken id, inserted ahead of the holder, becomes the answer.
  RefPtr<Element> earlier = newElement(*page, u"em", u"b");
  page->body()->insertBefore(*earlier, page->body()->firstChild());
  EXPECT_EQ(page->getElementById(u"b"), earlier.get());
  expectMapAgreesWithWalk(*page, "inserted ahead");

  // A detached subtree is not found until it is connected, and then with all it holds.
  RefPtr<Element> subtree = newElement(*page, u"div", u"x");
  subtree->appendChild(*newElement(*page, u"i", u"inner"));
  EXPECT_EQ(page->getElementById(u"inner"), nullptr);
  page->getElementById(u"c")->appendChild(*subtree);
  ASSERT_TRUE(page->getElementById(u"inner"));
  expectMapAgreesWithWalk(*page, "subtree connected");

  // Moving the subtree keeps it found; removing it forgets everything in it.
  page->getElementById(u"a")->appendChild(*subtree);
  expectMapAgreesWithWalk(*page, "subtree moved");
  subtree->parentNode()->removeChild(*subtree);
  EXPECT_EQ(page->getElementById(u"x"), nullptr);
  EXPECT_EQ(page->getElementById(u"inner"), nullptr);
  // Changes inside a detached subtree do not reach the map.
  subtree->setAttribute(u"id", u"y");
  EXPECT_EQ(page->getElementById(u"y"), nullptr);
  expectMapAgreesWithWalk(*page, "subtree removed");

  // Removing the holders one by one hands the id on in tree order.
  earlier->parentNode()->removeChild(*earlier);
  EXPECT_EQ(page->getElementById(u"b"), firstB);
  firstB->parentNode()->removeChild(*firstB);
  ASSERT_TRUE(page->getElementById(u"b"));
  EXPECT_EQ(page->getElementById(u"b")->localName(), u"span");
  expectMapAgreesWithWalk(*page, "holders removed");
  EXPECT_EQ(page->getElementById(u""), nullptr);
}

TEST_F(IdMapTest, FollowsIdAttributeChangesAndInnerHTML) {
  auto page = parsePage("<div id=a><p id=b></p></div><div id=c></div>");
  Element* a = page->getElementById(u"a");
  ASSERT_TRUE(a);

  a->setAttribute(u"id", u"d");  // renamed: found by the new id only
  EXPECT_EQ(page->getElementById(u"a"), nullptr);
  EXPECT_EQ(page->getElementById(u"d"), a);
  a->getAttributeNode(u"id")->setValue(u"z");  // through the attribute node
  EXPECT_EQ(page->getElementById(u"d"), nullptr);
  EXPECT_EQ(page->getElementById(u"z"), a);
  a->removeAttribute(u"id");
  EXPECT_EQ(page->getElementById(u"z"), nullptr);
  // An id in another namespace is no id.
  DOMError error = a->setAttributeNS(u"http://example.com/ns", u"e:id", u"x");
  ASSERT_EQ(error, DOMError::None);
  EXPECT_EQ(page->getElementById(u"x"), nullptr);
  a->setAttribute(u"id", u"c");  // now shares "c" with a later element, and wins
  EXPECT_EQ(page->getElementById(u"c"), a);
  expectMapAgreesWithWalk(*page, "attributes changed");

  // innerHTML drops the old content's ids and files the new content's.
  static_cast<dom::HTMLElement*>(a)->setInnerHTML(u"<span id=x><b id=y></b></span>");
  EXPECT_EQ(page->getElementById(u"b"), nullptr);
  ASSERT_TRUE(page->getElementById(u"y"));
  EXPECT_EQ(page->getElementById(u"y")->localName(), u"b");
  expectMapAgreesWithWalk(*page, "innerHTML");
  page->body()->setTextContent(u"gone");
  EXPECT_EQ(page->getElementById(u"x"), nullptr);
  EXPECT_EQ(page->getElementById(u"c"), nullptr);
  expectMapAgreesWithWalk(*page, "textContent");
}

TEST_F(IdMapTest, AnonymousContentIsNotFound) {
  std::string error;
  RefPtr<dom::XULDocument> chrome = parser::XULParser::parseDocument(
      "<window xmlns='http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul'>"
      "<box id='host'/></window>",
      url("chrome://test/content/t.xul"), &error);
  ASSERT_TRUE(chrome) << error;
  Element* host = chrome->getElementById(u"host");
  ASSERT_TRUE(host);
  RefPtr<Element> anonymous = newElement(*chrome, u"label", u"a");
  anonymous->appendChild(*newElement(*chrome, u"label", u"b"));
  host->appendAnonymousChild(*anonymous);
  EXPECT_EQ(chrome->getElementById(u"a"), nullptr);
  anonymous->firstChild()->appendChild(*newElement(*chrome, u"label", u"c"));
  anonymous->setAttribute(u"id", u"d");
  expectMapAgreesWithWalk(*chrome, "anonymous content");
}

// A new list for a tag asked before answers from the document's remembered matches: those
// must follow every change of the tree.
TEST_F(IdMapTest, RememberedTagMatchesFollowTheTree) {
  auto page = parsePage("<iframe id=a></iframe><div><iframe id=b></iframe></div>");
  auto frames = [&] { return page->getElementsByTagName(u"IFRAME"); };
  RefPtr<dom::ElementList> first = frames();
  EXPECT_EQ(first->length(), 2u);
  EXPECT_NE(first.get(), frames().get());  // a new list each time, as before
  EXPECT_EQ(frames()->item(1), page->getElementById(u"b"));

  RefPtr<Element> added = newElement(*page, u"iframe", u"c");
  page->body()->insertBefore(*added, page->body()->firstChild());
  EXPECT_EQ(frames()->length(), 3u);
  EXPECT_EQ(frames()->item(0), added.get());
  EXPECT_EQ(first->item(0), added.get());
  page->body()->removeChild(*added);
  EXPECT_EQ(frames()->length(), 2u);
  static_cast<dom::HTMLElement*>(page->body())->setInnerHTML(u"<p></p>");
  EXPECT_EQ(frames()->length(), 0u);
  static_cast<dom::HTMLElement*>(page->body())->setInnerHTML(u"<iframe></iframe><p></p>");
  EXPECT_EQ(frames()->length(), 1u);
  EXPECT_EQ(page->getElementsByTagName(u"p")->length(), 1u);  // each name its own matches
  EXPECT_EQ(first->length(), 1u);
}

}  // namespace
}  // namespace geckohost::testing
