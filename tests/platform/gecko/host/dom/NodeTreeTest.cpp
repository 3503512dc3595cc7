// Tree mutation, the DOM's hierarchy rules, ownership across removal and document death, and
// the change notifications the shell hears.
#include "HostTestSupport.h"
#include "dom/Comment.h"
#include "dom/DocumentFragment.h"
#include "dom/Element.h"
#include "dom/FakeContainer.h"
#include "dom/MutationBatch.h"
#include "dom/Text.h"

namespace geckohost::testing {
namespace {

using dom::DOMError;
using dom::Element;
using dom::Node;

class NodeTreeTest : public LeakCheckedTest {};

RefPtr<Element> make(dom::Document& document, const char16_t* name) {
  DOMError error;
  return document.createElement(name, error);
}

// Children's ids in order: "a,b,c".
std::string childIds(const Node& parent) {
  std::string out;
  for (Node* child = parent.firstChild(); child; child = child->nextSibling()) {
    if (!out.empty())
      out += ",";
    out += child->isElement() ? u8(static_cast<Element*>(child)->id()) : u8(child->nodeName());
  }
  return out;
}

TEST_F(NodeTreeTest, InsertRemoveReplaceKeepOrderAndSiblings) {
  auto page = parsePage("<div id=box></div>");
  Element* box = page->getElementById(u"box");
  RefPtr<Element> a = make(*page, u"p"), b = make(*page, u"p"), c = make(*page, u"p");
  a->setAttribute(u"id", u"a");
  b->setAttribute(u"id", u"b");
  c->setAttribute(u"id", u"c");

  EXPECT_EQ(box->appendChild(*c), DOMError::None);
  EXPECT_EQ(box->insertBefore(*a, c.get()), DOMError::None);
  EXPECT_EQ(box->insertBefore(*b, c.get()), DOMError::None);
  EXPECT_EQ(childIds(*box), "a,b,c");
  EXPECT_EQ(b->previousSibling(), a.get());
  EXPECT_EQ(b->nextSibling(), c.get());
  EXPECT_EQ(c->nextSibling(), nullptr);

  // Re-inserting a child moves it; inserting before itself changes nothing.
  EXPECT_EQ(box->appendChild(*a), DOMError::None);
  EXPECT_EQ(childIds(*box), "b,c,a");
  EXPECT_EQ(box->insertBefore(*c, c.get()), DOMError::None);
  EXPECT_EQ(childIds(*box), "b,c,a");

  EXPECT_EQ(box->replaceChild(*a, *b), DOMError::None);
  EXPECT_EQ(childIds(*box), "a,c");
  EXPECT_EQ(b->parentNode(), nullptr);

  EXPECT_EQ(box->removeChild(*c), DOMError::None);
  EXPECT_EQ(childIds(*box), "a");
  EXPECT_EQ(box->removeChild(*c), DOMError::NotFound);
  EXPECT_EQ(box->insertBefore(*b, c.get()), DOMError::NotFound);
  EXPECT_EQ(box->replaceChild(*b, *c), DOMError::NotFound);
}

TEST_F(NodeTreeTest, HierarchyRulesRefuseAndChangeNothing) {
  auto page = parsePage("<div id=outer><div id=inner></div></div>");
  Element* outer = page->getElementById(u"outer");
  Element* inner = page->getElementById(u"inner");

  EXPECT_EQ(inner->appendChild(*outer), DOMError::HierarchyRequest);  // an ancestor
  EXPECT_EQ(outer->appendChild(*outer), DOMError::HierarchyRequest);  // itself
  EXPECT_EQ(inner->parentNode(), outer);

  RefPtr<dom::Text> text = page->createTextNode(u"x");
  EXPECT_EQ(text->appendChild(*make(*page, u"b")), DOMError::HierarchyRequest);  // a leaf
  EXPECT_EQ(page->appendChild(*text), DOMError::HierarchyRequest);  // text in a document
  EXPECT_EQ(page->appendChild(*make(*page, u"html")), DOMError::HierarchyRequest);  // 2nd root
  EXPECT_EQ(outer->appendChild(*page), DOMError::HierarchyRequest);
  EXPECT_EQ(page->appendChild(*page->createComment(u"fine")), DOMError::None);

  // Replacing the root element by another element is allowed.
  RefPtr<Element> newRoot = make(*page, u"html");
  EXPECT_EQ(page->replaceChild(*newRoot, *page->documentElement()), DOMError::None);
  EXPECT_EQ(page->documentElement(), newRoot.get());
}

TEST_F(NodeTreeTest, FragmentInsertionMovesItsChildren) {
  auto page = parsePage("<ul id=list><li id=last></li></ul>");
  Element* list = page->getElementById(u"list");
  RefPtr<dom::DocumentFragment> fragment = page->createDocumentFragment();
  for (const char16_t* id : {u"one", u"two"}) {
    RefPtr<Element> item = make(*page, u"li");
    item->setAttribute(u"id", id);
    fragment->appendChild(*item);
  }
  EXPECT_EQ(list->insertBefore(*fragment, page->getElementById(u"last")), DOMError::None);
  EXPECT_EQ(childIds(*list), "one,two,last");
  EXPECT_FALSE(fragment->hasChildNodes());

  // A fragment with two elements cannot become a document's content.
  RefPtr<dom::DocumentFragment> two = page->createDocumentFragment();
  two->appendChild(*make(*page, u"a"));
  two->appendChild(*make(*page, u"b"));
  page->removeChild(*page->documentElement());
  EXPECT_EQ(page->appendChild(*two), DOMError::HierarchyRequest);
  EXPECT_EQ(two->childCount(), 2u);
}

TEST_F(NodeTreeTest, RemovedNodesLiveWhileHeldAndOutliveTheirDocument) {
  RefPtr<Element> kept;
  {
    auto page = parsePage("<div id=d><b>x</b></div>");
    kept = page->getElementById(u"d");
    kept->parentNode()->removeChild(*kept);
    EXPECT_EQ(kept->ownerDocument(), page.get());
    EXPECT_FALSE(kept->isInDocument());
    EXPECT_EQ(u8(*kept->textContent()), "x");
  }
  // The document is gone; the element and its subtree remain, without a document.
  EXPECT_EQ(kept->ownerDocument(), nullptr);
  EXPECT_EQ(kept->firstChild()->ownerDocument(), nullptr);
  // Without an HTML document around it, an HTML element's tagName is its local name.
  EXPECT_EQ(u8(kept->tagName()), "div");
}

TEST_F(NodeTreeTest, NodesMovedToAnotherDocumentAreAdopted) {
  auto first = parsePage("<p id=p title=t>x</p>");
  auto second = parsePage("<div id=target></div>");
  Element* paragraph = first->getElementById(u"p");
  RefPtr<Element> keep = paragraph;
  ASSERT_EQ(second->getElementById(u"target")->appendChild(*paragraph), DOMError::None);
  EXPECT_EQ(paragraph->ownerDocument(), second.get());
  EXPECT_EQ(paragraph->firstChild()->ownerDocument(), second.get());
  EXPECT_EQ(paragraph->getAttributeNode(u"title")->ownerDocument(), second.get());
  EXPECT_EQ(first->getElementById(u"p"), nullptr);
  EXPECT_EQ(second->getElementById(u"p"), paragraph);
}

TEST_F(NodeTreeTest, TextContentReadsDescendantsAndReplacesChildren) {
  auto page = parsePage("<div id=d>a<!--c--><b>b<i>c</i></b><script>s</script></div>");
  Element* div = page->getElementById(u"d");
  // Comments do not count; script text does (it is text).
  EXPECT_EQ(u8(*div->textContent()), "abcs");
  EXPECT_FALSE(page->textContent().has_value());
  EXPECT_EQ(u8(*div->firstChild()->nextSibling()->textContent()), "c");

  div->setTextContent(u"new <text>");
  ASSERT_EQ(div->childCount(), 1u);
  EXPECT_TRUE(div->firstChild()->isText());
  EXPECT_EQ(u8(*div->textContent()), "new <text>");
  div->setTextContent(u"");
  EXPECT_FALSE(div->hasChildNodes());
}

TEST_F(NodeTreeTest, NormalizeJoinsTextAndCloneCopiesState) {
  auto page = parsePage("<p id=p></p>");
  Element* p = page->getElementById(u"p");
  p->appendChild(*page->createTextNode(u"a"));
  p->appendChild(*page->createTextNode(u""));
  p->appendChild(*page->createTextNode(u"b"));
  p->appendChild(*make(*page, u"br"));
  p->appendChild(*page->createTextNode(u"c"));
  p->normalize();
  ASSERT_EQ(p->childCount(), 3u);
  EXPECT_EQ(u8(*p->firstChild()->textContent()), "ab");

  DOMError error;
  RefPtr<dom::Text> tail = static_cast<dom::Text*>(p->firstChild())->splitText(1, error);
  EXPECT_EQ(error, DOMError::None);
  EXPECT_EQ(u8(*p->firstChild()->textContent()), "a");
  EXPECT_EQ(p->firstChild()->nextSibling(), tail.get());
  EXPECT_EQ(static_cast<dom::Text*>(p->firstChild())->splitText(5, error), nullptr);
  EXPECT_EQ(error, DOMError::IndexSize);

  p->setAttribute(u"class", u"k");
  RefPtr<Node> shallow = p->cloneNode(false);
  RefPtr<Node> deep = p->cloneNode(true);
  EXPECT_FALSE(shallow->hasChildNodes());
  EXPECT_EQ(u8(*static_cast<Element*>(shallow.get())->getAttribute(u"class")), "k");
  EXPECT_EQ(u8(*deep->textContent()), u8(*p->textContent()));
  EXPECT_EQ(deep->parentNode(), nullptr);
  EXPECT_EQ(deep->ownerDocument(), page.get());
}

TEST_F(NodeTreeTest, ContainerHearsOneChangePerMutationOrBatch) {
  auto page = parsePage("<div id=d></div>");
  FakeContainer container;
  page->setContainer(&container);
  Element* div = page->getElementById(u"d");

  div->setAttribute(u"title", u"t");
  EXPECT_EQ(container.changes, 1);
  div->appendChild(*page->createTextNode(u"x"));
  EXPECT_EQ(container.changes, 2);
  static_cast<dom::Text*>(div->firstChild())->appendData(u"y");
  EXPECT_EQ(container.changes, 3);
  {
    dom::MutationBatch batch(page.get());
    div->removeAllChildren();
    div->setAttribute(u"title", u"u");
    div->appendChild(*make(*page, u"b"));
    EXPECT_EQ(container.changes, 3);
  }
  EXPECT_EQ(container.changes, 4);

  // Changes to nodes outside the shown tree are nobody's business but the lists'.
  RefPtr<Element> loose = make(*page, u"span");
  uint64_t generation = Node::treeGeneration();
  loose->setAttribute(u"id", u"x");
  EXPECT_EQ(container.changes, 4);
  EXPECT_NE(Node::treeGeneration(), generation);
  page->setContainer(nullptr);
}

}  // namespace
}  // namespace geckohost::testing
