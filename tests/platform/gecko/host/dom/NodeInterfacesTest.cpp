// The XPCOM face of nodes as the product meets it: which interfaces each kind of node
// answers, one identity per node, reference counting across the surface, and the
// nsIDOMNode / nsIDOM3Node / nsIContent / attribute-map members over the live tree.
#include "HostTestSupport.h"
#include "dom/Atom.h"
#include "dom/CDATASection.h"
#include "dom/FakeContainer.h"
#include "dom/ProcessingInstruction.h"
#include "nsCOMPtr.h"
#include "nsIAtom.h"
#include "nsIContent.h"
#include "nsIDOM3Node.h"
#include "nsIDOMAttr.h"
#include "nsIDOMComment.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLEmbedElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMNSElement.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMText.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsIDocument.h"

namespace geckohost::testing {
namespace {

class NodeInterfacesTest : public LeakCheckedTest {};

std::string str(const nsAString& text) {
  return u8(dom::toU16(text));
}

nsCOMPtr<nsIDOMNode> nodeById(dom::Document& document, const char16_t* id) {
  return document.getElementById(id)->asDOMNode();
}

template <class I>
bool answers(nsISupports* object) {
  nsCOMPtr<I> found = do_QueryInterface(object);
  return found;
}

// One row per kind of node: what it must answer and what it must refuse.
struct InterfaceRow {
  const char16_t* id;
  bool html, nsHtml, input, select, anchor, embed, cell, xul, text, comment;
};

TEST_F(NodeInterfacesTest, EachKindAnswersItsGeckoInterfacesAndNoOthers) {
  auto page = parsePage(
      "<div id=div></div><input id=input><select id=select></select><a id=a></a>text"
      "<EMBED id=embed><table><tr><th id=th></table><svg id=svg></svg>");
  const InterfaceRow rows[] = {
      // id       html   nsHtml input  select anchor embed  cell   xul    text   comment
      {u"div", true, true, false, false, false, false, false, false, false, false},
      {u"input", true, true, true, false, false, false, false, false, false, false},
      {u"select", true, true, false, true, false, false, false, false, false, false},
      {u"a", true, true, false, false, true, false, false, false, false, false},
      {u"embed", true, true, false, false, false, true, false, false, false, false},
      {u"th", true, true, false, false, false, false, true, false, false, false},
      {u"svg", false, false, false, false, false, false, false, false, false, false},
  };
  for (const InterfaceRow& row : rows) {
    nsCOMPtr<nsIDOMNode> node = nodeById(*page, row.id);
    SCOPED_TRACE(u8(row.id));
    EXPECT_TRUE(answers<nsIDOMElement>(node));
    EXPECT_TRUE(answers<nsIDOMNSElement>(node));
    EXPECT_TRUE(answers<nsIDOM3Node>(node));
    EXPECT_TRUE(answers<nsIContent>(node));
    EXPECT_EQ(answers<nsIDOMHTMLElement>(node), row.html);
    EXPECT_EQ(answers<nsIDOMNSHTMLElement>(node), row.nsHtml);
    EXPECT_EQ(answers<nsIDOMHTMLInputElement>(node), row.input);
    EXPECT_EQ(answers<nsIDOMHTMLSelectElement>(node), row.select);
    EXPECT_EQ(answers<nsIDOMHTMLAnchorElement>(node), row.anchor);
    EXPECT_EQ(answers<nsIDOMHTMLEmbedElement>(node), row.embed);
    EXPECT_EQ(answers<nsIDOMHTMLTableCellElement>(node), row.cell);
    EXPECT_FALSE(answers<nsIDOMXULElement>(node));
    EXPECT_FALSE(answers<nsIDOMText>(node));
    EXPECT_FALSE(answers<nsIDOMDocument>(node));
  }

  nsCOMPtr<nsIDOMNode> text = page->getElementById(u"a")->nextSibling()->asDOMNode();
  EXPECT_TRUE(answers<nsIDOMText>(text) && answers<nsIDOMCharacterData>(text));
  EXPECT_TRUE(answers<nsIContent>(text));
  EXPECT_FALSE(answers<nsIDOMElement>(text) || answers<nsIDOMComment>(text));

  nsIDOMNode* document = page->asDOMNode();
  EXPECT_TRUE(answers<nsIDOMDocument>(document) && answers<nsIDOMHTMLDocument>(document));
  EXPECT_TRUE(answers<nsIDOMNSDocument>(document) && answers<nsIDocument>(document));
  EXPECT_TRUE(answers<nsIDOMDocumentXBL>(document));
  EXPECT_FALSE(answers<nsIDOMXULDocument>(document) || answers<nsIContent>(document));
  EXPECT_FALSE(answers<nsIDOMElement>(document));
}

TEST_F(NodeInterfacesTest, OneIdentityPerNodeWhicheverInterfaceIsAsked) {
  auto page = parsePage("<input id=i><input id=j>");
  nsCOMPtr<nsIDOMNode> node = nodeById(*page, u"i");
  nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(node);
  nsCOMPtr<nsIDOMNSHTMLElement> nsHtml = do_QueryInterface(input);
  nsCOMPtr<nsIContent> content = do_QueryInterface(nsHtml);
  nsCOMPtr<nsISupports> a = do_QueryInterface(node), b = do_QueryInterface(input),
                        c = do_QueryInterface(content);
  EXPECT_EQ(a.get(), b.get());
  EXPECT_EQ(a.get(), c.get());
  nsCOMPtr<nsISupports> other = do_QueryInterface(nodeById(*page, u"j"));
  EXPECT_NE(a.get(), other.get());

  // The same interface asked twice is the same pointer (the product compares them), and an
  // upcast along the element's interface chain lands where QueryInterface does.
  nsCOMPtr<nsIDOMHTMLElement> first = do_QueryInterface(node), second = do_QueryInterface(input);
  EXPECT_EQ(first.get(), second.get());
  nsIDOMNode* upcastNode = input.get();
  nsIDOMElement* upcastElement = input.get();
  nsCOMPtr<nsIDOMElement> queriedElement = do_QueryInterface(node);
  EXPECT_EQ(upcastNode, node.get());
  EXPECT_EQ(upcastElement, queriedElement.get());
  EXPECT_EQ(static_cast<nsIDOMElement*>(first.get()), queriedElement.get());
  // Child nodes answer with the node pointer the parent's list gives.
  nsCOMPtr<nsIDOMNode> parent;
  node->GetParentNode(getter_AddRefs(parent));
  nsCOMPtr<nsIDOMNode> firstChild;
  parent->GetFirstChild(getter_AddRefs(firstChild));
  EXPECT_EQ(firstChild.get(), node.get());
}

TEST_F(NodeInterfacesTest, ReferencesAcrossTheSurfaceKeepNodesAliveAndBalance) {
  nsCOMPtr<nsIDOMHTMLInputElement> input;
  {
    auto page = parsePage("<form><input id=i value=v></form>");
    input = do_QueryInterface(nodeById(*page, u"i"));
    nsCOMPtr<nsIDOMNode> removed;
    nsCOMPtr<nsIDOMNode> parent;
    input->GetParentNode(getter_AddRefs(parent));
    ASSERT_EQ(parent->RemoveChild(input, getter_AddRefs(removed)), NS_OK);
    EXPECT_EQ(removed.get(), static_cast<nsIDOMNode*>(input.get()));
  }
  // The page is gone; the input is not, and it answers without a document.
  nsString value;
  input->GetValue(value);
  EXPECT_EQ(str(value), "v");
  nsCOMPtr<nsIDOMDocument> owner;
  input->GetOwnerDocument(getter_AddRefs(owner));
  EXPECT_FALSE(owner);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  input->GetForm(getter_AddRefs(form));
  EXPECT_FALSE(form);
}

TEST_F(NodeInterfacesTest, NodeMembersAnswerFromTheLiveTree) {
  auto page = parsePage("<ul id=u><li>a</li><li>b</li></ul><p id=p>t</p>");
  nsCOMPtr<nsIDOMNode> list = nodeById(*page, u"u");
  nsCOMPtr<nsIDOMNodeList> children;
  list->GetChildNodes(getter_AddRefs(children));
  PRUint32 length = 0;
  children->GetLength(&length);
  EXPECT_EQ(length, 2u);

  nsString name, value;
  list->GetNodeName(name);
  EXPECT_EQ(str(name), "UL");
  list->GetNodeValue(value);
  EXPECT_TRUE(value.IsVoid());
  // A text node's and an attribute's value is their data, and no longer void.
  nsCOMPtr<nsIDOMNode> textNode;
  nodeById(*page, u"p")->GetFirstChild(getter_AddRefs(textNode));
  textNode->GetNodeValue(value);
  EXPECT_FALSE(value.IsVoid());
  EXPECT_EQ(str(value), "t");
  nsCOMPtr<nsIDOMElement> listElement = do_QueryInterface(list);
  nsCOMPtr<nsIDOMAttr> id;
  listElement->GetAttributeNode(NS_LITERAL_STRING("id"), getter_AddRefs(id));
  ASSERT_TRUE(id);
  id->GetNodeValue(value);
  EXPECT_EQ(str(value), "u");
  list->GetNodeValue(value);
  EXPECT_TRUE(value.IsVoid() && value.IsEmpty());
  PRUint16 type = 0;
  list->GetNodeType(&type);
  EXPECT_EQ(type, nsIDOMNode::ELEMENT_NODE);

  nsCOMPtr<nsIDOMNode> paragraph = nodeById(*page, u"p"), appended;
  EXPECT_EQ(list->AppendChild(paragraph, getter_AddRefs(appended)), NS_OK);
  children->GetLength(&length);
  EXPECT_EQ(length, 3u);

  nsCOMPtr<nsIDOMNode> result;
  EXPECT_EQ(paragraph->AppendChild(list, getter_AddRefs(result)),
            NS_ERROR_DOM_HIERARCHY_REQUEST_ERR);
  EXPECT_EQ(list->RemoveChild(page->asDOMNode(), getter_AddRefs(result)),
            NS_ERROR_DOM_NOT_FOUND_ERR);
  EXPECT_EQ(list->AppendChild(nullptr, getter_AddRefs(result)), NS_ERROR_NULL_POINTER);
  nsCOMPtr<nsIDOMNode> clone;
  EXPECT_EQ(page->asDOMNode()->CloneNode(PR_TRUE, getter_AddRefs(clone)),
            NS_ERROR_DOM_NOT_SUPPORTED_ERR);
  EXPECT_EQ(list->CloneNode(PR_TRUE, getter_AddRefs(clone)), NS_OK);
  nsCOMPtr<nsIDOM3Node> cloned = do_QueryInterface(clone);
  PRBool equal = PR_FALSE;
  cloned->IsEqualNode(list, &equal);
  EXPECT_TRUE(equal);
  cloned->IsSameNode(list, &equal);
  EXPECT_FALSE(equal);

  nsCOMPtr<nsIDOM3Node> three = do_QueryInterface(list);
  nsString text;
  three->GetTextContent(text);
  EXPECT_EQ(str(text), "abt");
  PRUint16 position = 0;
  three->CompareDocumentPosition(paragraph, &position);
  EXPECT_EQ(position,
            nsIDOM3Node::DOCUMENT_POSITION_CONTAINED_BY | nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING);
  nsCOMPtr<nsIDOM3Node> threeParagraph = do_QueryInterface(paragraph);
  threeParagraph->CompareDocumentPosition(list, &position);
  EXPECT_EQ(position,
            nsIDOM3Node::DOCUMENT_POSITION_CONTAINS | nsIDOM3Node::DOCUMENT_POSITION_PRECEDING);
  three->CompareDocumentPosition(clone, &position);
  EXPECT_TRUE(position & nsIDOM3Node::DOCUMENT_POSITION_DISCONNECTED);
}

TEST_F(NodeInterfacesTest, AttributesAndTheirMap) {
  auto page = parsePage("<p id=p title=t class=c></p>");
  nsCOMPtr<nsIDOMElement> element = do_QueryInterface(nodeById(*page, u"p"));
  nsString value;
  element->GetAttribute(NS_LITERAL_STRING("TITLE"), value);
  EXPECT_EQ(str(value), "t");
  element->GetAttribute(NS_LITERAL_STRING("missing"), value);
  EXPECT_TRUE(value.IsVoid());
  EXPECT_EQ(element->SetAttribute(NS_LITERAL_STRING("no good"), NS_LITERAL_STRING("x")),
            NS_ERROR_DOM_INVALID_CHARACTER_ERR);

  nsCOMPtr<nsIDOMNamedNodeMap> map;
  element->GetAttributes(getter_AddRefs(map));
  PRUint32 length = 0;
  map->GetLength(&length);
  EXPECT_EQ(length, 3u);
  nsCOMPtr<nsIDOMNode> second;
  map->Item(1, getter_AddRefs(second));
  second->GetNodeName(value);
  EXPECT_EQ(str(value), "title");
  nsCOMPtr<nsIDOMAttr> attr = do_QueryInterface(second);
  nsCOMPtr<nsIDOMElement> owner;
  attr->GetOwnerElement(getter_AddRefs(owner));
  EXPECT_EQ(owner.get(), element.get());

  nsCOMPtr<nsIDOMNode> removed;
  EXPECT_EQ(map->RemoveNamedItem(NS_LITERAL_STRING("class"), getter_AddRefs(removed)), NS_OK);
  map->GetLength(&length);
  EXPECT_EQ(length, 2u);
  EXPECT_EQ(map->RemoveNamedItem(NS_LITERAL_STRING("class"), getter_AddRefs(removed)),
            NS_ERROR_DOM_NOT_FOUND_ERR);
  nsCOMPtr<nsIDOMAttr> made;
  page->asDOMDocument()->CreateAttribute(NS_LITERAL_STRING("LANG"), getter_AddRefs(made));
  made->SetValue(NS_LITERAL_STRING("en"));
  nsCOMPtr<nsIDOMNode> replaced;
  EXPECT_EQ(map->SetNamedItem(made, getter_AddRefs(replaced)), NS_OK);
  element->GetAttribute(NS_LITERAL_STRING("lang"), value);
  EXPECT_EQ(str(value), "en");
}

TEST_F(NodeInterfacesTest, ContentKnowsItsDocumentParentAndChildren) {
  auto page = parsePage("<div id=d>x<b>y</b></div>");
  FakeContainer container;
  page->setContainer(&container);
  nsCOMPtr<nsIContent> div = do_QueryInterface(nodeById(*page, u"d"));
  EXPECT_EQ(div->GetOwnerDoc(), page->asIDocument());
  EXPECT_EQ(div->GetCurrentDoc(), page->asIDocument());
  EXPECT_EQ(div->GetChildCount(), 2u);
  nsCOMPtr<nsIDOMText> text = do_QueryInterface(div->GetChildAt(0));
  EXPECT_TRUE(text);
  EXPECT_EQ(div->GetChildAt(1)->GetParent(), div.get());
  EXPECT_EQ(div->GetChildAt(5), nullptr);
  EXPECT_EQ(div->GetBindingParent(), nullptr);
  nsCOMPtr<nsIContent> root = do_QueryInterface(page->documentElement()->asDOMNode());
  EXPECT_EQ(root->GetParent(), nullptr);  // the document is not content
  EXPECT_EQ(page->asIDocument()->GetRootContent(), root.get());

  RefPtr<dom::Node> keep = page->getElementById(u"d");
  keep->parentNode()->removeChild(*keep);
  EXPECT_EQ(div->GetCurrentDoc(), nullptr);
  EXPECT_EQ(div->GetOwnerDoc(), page->asIDocument());
  page->setContainer(nullptr);
}

// The child array and the children by index name the same nodes, in the same order.
void ExpectChildArrayMatches(nsIContent* parent, PRUint32 expectedCount) {
  PRUint32 count = 99;
  nsIContent* const* children = parent->GetChildArray(&count);
  ASSERT_EQ(count, expectedCount);
  ASSERT_EQ(parent->GetChildCount(), expectedCount);
  for (PRUint32 i = 0; i < count; ++i) {
    EXPECT_EQ(children[i], parent->GetChildAt(i)) << i;
    EXPECT_EQ(children[i]->GetParent(), parent) << i;
  }
}

TEST_F(NodeInterfacesTest, ChildArraysFollowEveryChangeOfTheChildren) {
  auto page = parsePage("<div id=d>a<b id=b>x</b>c<!--n--><i id=i></i></div><p id=p></p>");
  nsCOMPtr<nsIContent> div = do_QueryInterface(nodeById(*page, u"d"));
  nsCOMPtr<nsIDOMNode> divNode = do_QueryInterface(div);
  ExpectChildArrayMatches(div, 5);

  nsCOMPtr<nsIDOMNode> bold = nodeById(*page, u"b");
  nsCOMPtr<nsIDOMNode> italic = nodeById(*page, u"i");
  nsCOMPtr<nsIDOMNode> result;
  ASSERT_EQ(divNode->InsertBefore(italic, bold, getter_AddRefs(result)), NS_OK);  // moved in
  ExpectChildArrayMatches(div, 5);
  ASSERT_EQ(divNode->RemoveChild(bold, getter_AddRefs(result)), NS_OK);
  ExpectChildArrayMatches(div, 4);
  nsCOMPtr<nsIDOMNode> paragraph = nodeById(*page, u"p");
  nsCOMPtr<nsIDOMNode> first;
  divNode->GetFirstChild(getter_AddRefs(first));
  ASSERT_EQ(divNode->ReplaceChild(paragraph, first, getter_AddRefs(result)), NS_OK);
  ExpectChildArrayMatches(div, 4);
  ASSERT_EQ(divNode->AppendChild(bold, getter_AddRefs(result)), NS_OK);
  ExpectChildArrayMatches(div, 5);
  nsCOMPtr<nsIContent> body = do_QueryInterface(page->body()->asDOMNode());
  ExpectChildArrayMatches(body, 1);  // the paragraph left the body

  // Adjacent texts merged by normalize(), then everything replaced through innerHTML.
  nsCOMPtr<nsIDOMText> extra;
  page->asDOMDocument()->CreateTextNode(NS_LITERAL_STRING("d"), getter_AddRefs(extra));
  nsCOMPtr<nsIDOMNode> comment = do_QueryInterface(div->GetChildAt(3));  // p, i, c, <!--n-->, b
  ASSERT_EQ(divNode->InsertBefore(extra, comment, getter_AddRefs(result)), NS_OK);
  ExpectChildArrayMatches(div, 6);
  divNode->Normalize();  // "c" and "d" become one text
  ExpectChildArrayMatches(div, 5);
  nsCOMPtr<nsIDOMNSHTMLElement> html = do_QueryInterface(div);
  html->SetInnerHTML(NS_LITERAL_STRING("one<br>two"));
  ExpectChildArrayMatches(div, 3);
  html->SetInnerHTML(NS_LITERAL_STRING(""));
  ExpectChildArrayMatches(div, 0);
}

TEST_F(NodeInterfacesTest, ContentAnswersItsKindTagAndText) {
  auto page = parsePage("<DIV id=d>a&nbsp;b<!--c--><svg id=s><foreignObject/></svg></DIV>");
  nsCOMPtr<nsIContent> div = do_QueryInterface(nodeById(*page, u"d"));
  nsIContent* text = div->GetChildAt(0);
  nsIContent* comment = div->GetChildAt(1);
  nsIContent* svg = div->GetChildAt(2);
  RefPtr<dom::Node> cdataNode = new dom::CDATASection(*page, u"x");
  RefPtr<dom::Node> instructionNode = new dom::ProcessingInstruction(*page, u"target", u"data");
  nsIContent* cdata = cdataNode->asContent();
  nsIContent* instruction = instructionNode->asContent();

  EXPECT_TRUE(div->IsNodeOfType(nsIContent::eCONTENT | nsIContent::eELEMENT | nsIContent::eHTML));
  EXPECT_FALSE(div->IsNodeOfType(nsIContent::eTEXT) || div->IsNodeOfType(nsIContent::eDATA_NODE));
  EXPECT_TRUE(svg->IsNodeOfType(nsIContent::eELEMENT));
  EXPECT_FALSE(svg->IsNodeOfType(nsIContent::eHTML));
  EXPECT_TRUE(text->IsNodeOfType(nsIContent::eTEXT | nsIContent::eDATA_NODE));
  EXPECT_TRUE(cdata->IsNodeOfType(nsIContent::eTEXT));  // CDATA is text to Gecko's content
  EXPECT_TRUE(comment->IsNodeOfType(nsIContent::eCOMMENT | nsIContent::eDATA_NODE));
  EXPECT_FALSE(comment->IsNodeOfType(nsIContent::eTEXT));
  EXPECT_TRUE(instruction->IsNodeOfType(nsIContent::ePROCESSING_INSTRUCTION));

  auto tagOf = [](nsIContent* content) {
    const char* name = nullptr;
    content->Tag()->GetUTF8String(&name);
    return std::string(name);
  };
  EXPECT_EQ(tagOf(div), "div");  // the local name, not the upper-case tagName
  EXPECT_EQ(tagOf(svg->GetChildAt(0)), "foreignObject");
  EXPECT_EQ(tagOf(text), "#text");
  EXPECT_EQ(tagOf(comment), "#comment");
  EXPECT_EQ(tagOf(cdata), "#cdata-section");
  EXPECT_EQ(tagOf(instruction), "target");
  auto other = parsePage("<div></div>");
  nsCOMPtr<nsIContent> otherDiv = do_QueryInterface(other->body()->firstChild()->asDOMNode());
  EXPECT_EQ(otherDiv->Tag(), div->Tag());  // one atom per name, across documents
  EXPECT_NE(text->Tag(), cdata->Tag());

  nsString collected;
  collected.AssignLiteral(">");
  text->AppendTextTo(collected);
  div->AppendTextTo(collected);  // elements have no text of their own
  comment->AppendTextTo(collected);
  EXPECT_EQ(collected.Length(), 5u);
  EXPECT_EQ(collected[2], PRUnichar(0xA0));
  EXPECT_EQ(text->TextLength(), 3u);
  EXPECT_EQ(div->TextLength(), 0u);
}

TEST_F(NodeInterfacesTest, AtomsArePermanentAndAnswerTheirText) {
  nsIAtom* atom = dom::Atom::get(u"caf\u00e9");
  EXPECT_EQ(atom, dom::Atom::get(u"caf\u00e9"));
  EXPECT_NE(atom, dom::Atom::get(u"Caf\u00e9"));
  EXPECT_GT(atom->AddRef(), 0u);
  EXPECT_GT(atom->Release(), 0u);  // never freed
  nsCOMPtr<nsIAtom> queried = do_QueryInterface(atom);
  EXPECT_EQ(queried.get(), atom);

  nsString text;
  atom->ToString(text);
  EXPECT_EQ(dom::toU16(text), u"caf\u00e9");
  nsCString utf8;
  atom->ToUTF8String(utf8);
  EXPECT_EQ(std::string(utf8.get()), "caf\xc3\xa9");
  const char* raw = nullptr;
  EXPECT_EQ(atom->GetUTF8String(&raw), NS_OK);
  EXPECT_STREQ(raw, "caf\xc3\xa9");
  EXPECT_EQ(atom->GetUTF8String(nullptr), NS_ERROR_INVALID_POINTER);
  PRBool equal = PR_FALSE;
  atom->Equals(text, &equal);
  EXPECT_TRUE(equal);
  atom->Equals(NS_LITERAL_STRING("cafe"), &equal);
  EXPECT_FALSE(equal);
  atom->EqualsUTF8(utf8, &equal);
  EXPECT_TRUE(equal);
  atom->EqualsUTF8(NS_LITERAL_CSTRING("caf"), &equal);
  EXPECT_FALSE(equal);
}

TEST_F(NodeInterfacesTest, ElementLayoutMembersAnswerThroughTheContainer) {
  auto page = parsePage("<div id=outer><p id=p>x</p><i></i></div>");
  FakeContainer container;
  page->setContainer(&container);
  dom::Element* outer = page->getElementById(u"outer");
  dom::Element* p = page->getElementById(u"p");
  container.fakeLayout.offsets[p] = OffsetBox{3, 4, 50, 20, outer};
  container.fakeLayout.scrolls[outer] = ScrollBox{1, 2, 80, 60, 0, 0, 80, 200};

  nsCOMPtr<nsIDOMNSHTMLElement> html = do_QueryInterface(p->asDOMNode());
  PRInt32 value = 0;
  html->GetOffsetLeft(&value);
  EXPECT_EQ(value, 3);
  html->GetOffsetHeight(&value);
  EXPECT_EQ(value, 20);
  nsCOMPtr<nsIDOMElement> offsetParent;
  html->GetOffsetParent(getter_AddRefs(offsetParent));
  EXPECT_EQ(offsetParent.get(), outer->asDOMElement());
  html->ScrollIntoView(PR_FALSE);
  EXPECT_EQ(container.scrolledTo, p);
  EXPECT_FALSE(container.scrolledToTop);

  nsCOMPtr<nsIDOMNSElement> ns = do_QueryInterface(outer->asDOMNode());
  ns->GetScrollHeight(&value);
  EXPECT_EQ(value, 200);
  ns->GetClientWidth(&value);
  EXPECT_EQ(value, 80);
  ns->SetScrollTop(30);
  ns->GetScrollTop(&value);
  EXPECT_EQ(value, 30);
  PRUint32 count = 0;
  ns->GetChildElementCount(&count);
  EXPECT_EQ(count, 2u);
  nsCOMPtr<nsIDOMElement> last;
  ns->GetLastElementChild(getter_AddRefs(last));
  nsString name;
  last->GetTagName(name);
  EXPECT_EQ(str(name), "I");

  page->setContainer(nullptr);
  html->GetOffsetWidth(&value);
  EXPECT_EQ(value, 0);  // not shown: zeros
}

TEST_F(NodeInterfacesTest, CharacterDataEditingAndDocumentFactories) {
  auto page = parsePage("<p id=p>hello</p>");
  nsCOMPtr<nsIDOMNode> paragraph = nodeById(*page, u"p");
  nsCOMPtr<nsIDOMNode> child;
  paragraph->GetFirstChild(getter_AddRefs(child));
  nsCOMPtr<nsIDOMText> text = do_QueryInterface(child);
  nsString part;
  EXPECT_EQ(text->SubstringData(1, 3, part), NS_OK);
  EXPECT_EQ(str(part), "ell");
  EXPECT_EQ(text->SubstringData(9, 1, part), NS_ERROR_DOM_INDEX_SIZE_ERR);
  EXPECT_EQ(text->InsertData(5, NS_LITERAL_STRING(" world")), NS_OK);
  EXPECT_EQ(text->DeleteData(0, 1), NS_OK);
  EXPECT_EQ(text->ReplaceData(0, 4, NS_LITERAL_STRING("J")), NS_OK);
  text->GetData(part);
  EXPECT_EQ(str(part), "J world");
  nsCOMPtr<nsIDOMText> tail;
  EXPECT_EQ(text->SplitText(2, getter_AddRefs(tail)), NS_OK);
  tail->GetData(part);
  EXPECT_EQ(str(part), "world");
  PRUint32 length = 0;
  text->GetLength(&length);
  EXPECT_EQ(length, 2u);

  nsIDOMDocument* document = page->asDOMDocument();
  nsCOMPtr<nsIDOMElement> made;
  EXPECT_EQ(document->CreateElement(NS_LITERAL_STRING("1x"), getter_AddRefs(made)),
            NS_ERROR_DOM_INVALID_CHARACTER_ERR);
  EXPECT_EQ(
      document->CreateElementNS(EmptyString(), NS_LITERAL_STRING("p:x"), getter_AddRefs(made)),
      NS_ERROR_GENERATE_FAILURE(NS_ERROR_MODULE_DOM, 14));  // NAMESPACE_ERR
  EXPECT_EQ(document->CreateElement(NS_LITERAL_STRING("TD"), getter_AddRefs(made)), NS_OK);
  EXPECT_TRUE(answers<nsIDOMHTMLTableCellElement>(made));
  nsCOMPtr<nsIDOMComment> comment;
  document->CreateComment(NS_LITERAL_STRING("c"), getter_AddRefs(comment));
  nsString name;
  comment->GetNodeName(name);
  EXPECT_EQ(str(name), "#comment");
  nsIDOMCDATASection* cdata = nullptr;  // no interface declaration to hold it by
  EXPECT_EQ(document->CreateCDATASection(NS_LITERAL_STRING("x"), &cdata),
            NS_ERROR_DOM_NOT_SUPPORTED_ERR);
  EXPECT_EQ(cdata, nullptr);
}

TEST_F(NodeInterfacesTest, NamespaceLookupsWalkTheDeclarations) {
  auto page =
      parsePage(R"(<svg id=s xmlns:xlink="http://www.w3.org/1999/xlink"><g id='g'/></svg>)");
  nsCOMPtr<nsIDOM3Node> group = do_QueryInterface(nodeById(*page, u"g"));
  nsString uri;
  group->LookupNamespaceURI(EmptyString(), uri);
  EXPECT_EQ(str(uri), "http://www.w3.org/2000/svg");
  group->LookupNamespaceURI(NS_LITERAL_STRING("xlink"), uri);
  EXPECT_EQ(str(uri), "http://www.w3.org/1999/xlink");
  group->LookupNamespaceURI(NS_LITERAL_STRING("nope"), uri);
  EXPECT_TRUE(uri.IsVoid());
  nsString prefix;
  group->LookupPrefix(NS_LITERAL_STRING("http://www.w3.org/1999/xlink"), prefix);
  EXPECT_EQ(str(prefix), "xlink");
  PRBool flag = PR_FALSE;
  group->IsDefaultNamespace(NS_LITERAL_STRING("http://www.w3.org/2000/svg"), &flag);
  EXPECT_TRUE(flag);

  nsString local;
  nodeById(*page, u"g")->GetLocalName(local);
  EXPECT_EQ(str(local), "g");
  nodeById(*page, u"g")->GetNamespaceURI(uri);
  EXPECT_EQ(str(uri), "http://www.w3.org/2000/svg");
  page->asDOMNode()->GetLocalName(local);
  EXPECT_TRUE(local.IsVoid());
  nsString prefixOfNode;
  nodeById(*page, u"g")->GetPrefix(prefixOfNode);
  EXPECT_TRUE(prefixOfNode.IsVoid());
  nsCOMPtr<nsIDOMElement> prefixed;
  page->asDOMDocument()->CreateElementNS(NS_LITERAL_STRING("http://www.w3.org/1999/xhtml"),
                                         NS_LITERAL_STRING("h:input"), getter_AddRefs(prefixed));
  prefixed->GetPrefix(prefixOfNode);
  EXPECT_EQ(str(prefixOfNode), "h");
  prefixed->GetLocalName(local);
  EXPECT_EQ(str(local), "input");
  page->asDOMNode()->GetNamespaceURI(uri);
  EXPECT_TRUE(uri.IsVoid());
  page->asDOMNode()->IsSupported(NS_LITERAL_STRING("HTML"), NS_LITERAL_STRING("2.0"), &flag);
  EXPECT_TRUE(flag);
  page->asDOMNode()->IsSupported(NS_LITERAL_STRING("Events"), EmptyString(), &flag);
  EXPECT_FALSE(flag);
}

}  // namespace
}  // namespace geckohost::testing
