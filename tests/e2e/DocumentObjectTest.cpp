// Documents and elements as the agent meets them: through the browser object of a host
// window, on pages under tests/pages, with the product loaded by dlopen.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "AgentFixture.h"
#include "SlotCall.h"
#include "nsIDOMNode.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

std::vector<unsigned short> U16(const std::string& ascii) {
  std::vector<unsigned short> text(ascii.begin(), ascii.end());
  text.push_back(0);
  return text;
}

class DocumentObjectTest : public AgentFixture {
 protected:
  static std::string pageUrl(const char* name) {
    return std::string("file://") + NSHTML_TEST_PAGES_DIR + "/" + name;
  }

  // Opens the page and answers its document object, as the agent finds it: the last child of
  // the browser object.
  IHtmlDocument* openDocument(const char* name) {
    BrowserWindowOptions options;
    options.urls = {pageUrl(name)};
    m_window = &host->openBrowserWindow(options);
    m_browser = browserFor(*m_window);
    if (!m_browser)
      return nullptr;
    CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
    IHtmlElement* last = nullptr;
    while (children && children->hasMoreElements()) {
      IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
      if (last)
        last->release();
      last = child;
    }
    return static_cast<IHtmlDocument*>(last);
  }

  void TearDown() override {
    m_browser = nullptr;
    AgentFixture::TearDown();
  }

  static IHtmlElement* byId(IHtmlDocument* document, const char* id) {
    return document->getElementById(U16(id).data());
  }

  static std::vector<std::string> classes(IHtmlEnumerator* objects) {
    std::vector<std::string> found;
    while (objects && objects->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> item = static_cast<IHtmlElement*>(objects->nextElement());
      found.push_back(item ? stringProperty(item, ".class") : "null");
    }
    return found;
  }

  BrowserWindow* m_window = nullptr;
  CHtmlObjectPtr<IHtmlTopLevelElement> m_browser;
};

TEST_F(DocumentObjectTest, TheDocumentsPropertiesAndIdentity) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  EXPECT_EQ(stringProperty(document, ".class"), "Html.HtmlDocument");
  EXPECT_EQ(stringProperty(document, ".title"), "Every kind of element");
  EXPECT_EQ(stringProperty(document, ".url"), pageUrl("elements.html"));
  EXPECT_EQ(stringProperty(document, ".cookie"), "");
  char identity[16];
  snprintf(identity, sizeof identity, "%08lx",
           static_cast<unsigned long>(static_cast<unsigned int>(document->getObject())));
  EXPECT_EQ(stringProperty(document, ".uniqueId"), identity + pageUrl("elements.html"));
  nsCOMPtr<nsISupports> canonical = do_QueryInterface(m_window->document(0));
  EXPECT_EQ(document->getObject(), reinterpret_cast<intptr_t>(canonical.get()));
  for (unsigned int id : {1u, 2u, 3u, 14u, 79u, 80u}) {
    CHtmlObjectPtr<IHtmlPropertyValue> none = document->getProperty(id);
    EXPECT_EQ(none, nullptr) << id;
  }
  EXPECT_EQ(intProperty(document, ".vScrollWidth"), 0);
  // A top-level document's parent is the browser window; its top parent too.
  CHtmlObjectPtr<IHtmlElement> parent = document->getParent();
  EXPECT_EQ(stringProperty(parent, ".class"), "Html.HtmlBrowser");
  EXPECT_EQ(parent->getObject(), m_browser->getObject());
  // The browser's document and a second lookup are two objects for one document.
  CHtmlObjectPtr<IHtmlElement> top = byId(document, "heading");
  CHtmlObjectPtr<IHtmlDocument> again = static_cast<IHtmlDocument*>(top->getDocumentHandle());
  EXPECT_NE(again.operator IHtmlDocument*(), document.operator IHtmlDocument*());
  EXPECT_EQ(again->getObject(), document->getObject());
}

TEST_F(DocumentObjectTest, EveryElementKindHasItsClassAndLookupsFindThem) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  const std::vector<std::pair<const char*, const char*>> kinds = {
      {"heading", "Html.H1"},       {"link", "Html.A"},         {"form", "Html.FORM"},
      {"query", "Html.INPUT.text"}, {"select", "Html.SELECT"},  {"first", "Html.OPTION"},
      {"area", "Html.TEXTAREA"},    {"button", "Html.BUTTON"},  {"image", "Html.IMG"},
      {"map", "Html.MAP"},          {"area-link", "Html.AREA"}, {"table", "Html.TABLE"},
      {"row", "Html.TR"},           {"head-cell", "Html.TH"},   {"cell", "Html.TD"},
      {"applet", "Html.APPLET"},    {"embed", "Html.EMBED"},    {"object", "Html.OBJECT"},
      {"iframe", "Html.IFRAME"},    {"plain", "Html.DIV"},
  };
  for (const auto& kind : kinds) {
    CHtmlObjectPtr<IHtmlElement> element = byId(document, kind.first);
    ASSERT_TRUE(element) << kind.first;
    EXPECT_EQ(stringProperty(element, ".class"), kind.second);
    EXPECT_EQ(stringProperty(element, ".id"), kind.first);
  }
  // The SVG element is no HTML element: the lookup finds nothing to wrap.
  EXPECT_EQ(byId(document, "svg"), nullptr);
  EXPECT_EQ(byId(document, "nosuch"), nullptr);

  CHtmlObjectPtr<IHtmlEnumerator> cells = document->getElementsByTag(U16("td").data());
  EXPECT_EQ(classes(cells), (std::vector<std::string>{"Html.TD", "Html.TD"}));
  CHtmlObjectPtr<IHtmlEnumerator> named = document->getElementsByName(U16("q").data());
  EXPECT_EQ(classes(named), (std::vector<std::string>{"Html.INPUT.text", "Html.SPAN"}));
  CHtmlObjectPtr<IHtmlEnumerator> none = document->getElementsByTag(U16("marquee").data());
  EXPECT_FALSE(none->hasMoreElements());
  // Every element: the SVG circle and svg are in the list but give null, and the list ends.
  CHtmlObjectPtr<IHtmlEnumerator> all = document->getElementsByTag(U16("*").data());
  std::vector<std::string> everything = classes(all);
  EXPECT_EQ(everything.front(), "Html.HTML");
  EXPECT_EQ(std::count(everything.begin(), everything.end(), "Html.TD"), 2);
  CHtmlObjectPtr<IHtmlElement> form = byId(document, "form");
  CHtmlObjectPtr<IHtmlEnumerator> inForm = form->getElementsByTag(U16("input").data());
  EXPECT_EQ(classes(inForm), (std::vector<std::string>{"Html.INPUT.text", "Html.INPUT.checkbox"}));
}

TEST_F(DocumentObjectTest, ChildrenParentsAndAnInputInsideAnInput) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  CHtmlObjectPtr<IHtmlElement> mixed = byId(document, "mixed");
  CHtmlObjectPtr<IHtmlEnumerator> children = mixed->getChildren();
  EXPECT_EQ(classes(children), (std::vector<std::string>{"Html.TextNode", "Html.B"}));

  // Up from an element: BODY, HTML, the document, the browser.
  CHtmlObjectPtr<IHtmlElement> body = mixed->getParent();
  CHtmlObjectPtr<IHtmlElement> html = body->getParent();
  CHtmlObjectPtr<IHtmlElement> top = html->getParent();
  EXPECT_EQ(stringProperty(body, ".class"), "Html.BODY");
  EXPECT_EQ(stringProperty(html, ".class"), "Html.HTML");
  EXPECT_EQ(stringProperty(top, ".class"), "Html.HtmlDocument");
  CHtmlObjectPtr<IHtmlElement> topParent = mixed->getTopParent();
  EXPECT_EQ(stringProperty(topParent, ".class"), "Html.HtmlBrowser");

  // Script can put an input inside an input: the object stands for the outer one.
  nsCOMPtr<nsIDOMDocument> dom = m_window->document(0);
  nsCOMPtr<nsIDOMElement> query = elementById(dom, "query");
  nsCOMPtr<nsIDOMElement> inner;
  dom->CreateElement(NS_LITERAL_STRING("input"), getter_AddRefs(inner));
  inner->SetAttribute(NS_LITERAL_STRING("id"), NS_LITERAL_STRING("nested"));
  nsCOMPtr<nsIDOMNode> added;
  ASSERT_EQ(query->AppendChild(inner, getter_AddRefs(added)), NS_OK);
  CHtmlObjectPtr<IHtmlElement> nested = byId(document, "nested");
  EXPECT_EQ(stringProperty(nested, ".id"), "query");

  // A removed element names its document as parent.
  nsCOMPtr<nsIDOMElement> plain = elementById(dom, "plain");
  CHtmlObjectPtr<IHtmlElement> plainObject = byId(document, "plain");
  nsCOMPtr<nsIDOMNode> parentNode;
  plain->GetParentNode(getter_AddRefs(parentNode));
  nsCOMPtr<nsIDOMNode> removed;
  ASSERT_EQ(parentNode->RemoveChild(plain, getter_AddRefs(removed)), NS_OK);
  CHtmlObjectPtr<IHtmlElement> owner = plainObject->getParent();
  EXPECT_EQ(stringProperty(owner, ".class"), "Html.HtmlDocument");
}

TEST_F(DocumentObjectTest, NativePropertiesScriptsAndFocus) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  CHtmlObjectPtr<IHtmlElement> query = byId(document, "query");
  CHtmlObjectPtr<IHtmlEnumerator> natives = query->getNativeProperties();
  std::set<std::string> names;
  while (natives->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlProperty> property = static_cast<IHtmlProperty*>(natives->nextElement());
    names.insert(utf8(property->getPropertyName()));
    EXPECT_EQ(property->getPropertyValue()->type(), 3);
  }
  EXPECT_EQ(names, (std::set<std::string>{"id", "type", "name"}));
  CHtmlObjectPtr<IHtmlElement> link = byId(document, "link");
  EXPECT_EQ(stringProperty(link, "onclick"), "go()");
  EXPECT_EQ(stringProperty(link, "innerHTML"), "link");

  auto flag = [&](const char* id, const char* name) {
    CHtmlObjectPtr<IHtmlElement> element = byId(document, id);
    CHtmlObjectPtr<IHtmlPropertyValue> value = element->getProperty(name);
    return value && value->booleanValue();
  };
  EXPECT_TRUE(flag("link", ".hasScript"));
  EXPECT_TRUE(flag("scripted", ".hasScript"));
  EXPECT_FALSE(flag("loaded", ".hasScript"));
  EXPECT_FALSE(flag("plain", ".hasScript"));

  EXPECT_FALSE(flag("query", ".hasFocus"));
  ASSERT_TRUE(m_window->focusElement(elementById(m_window->document(0), "query")));
  EXPECT_TRUE(flag("query", ".hasFocus"));
  EXPECT_FALSE(flag("area", ".hasFocus"));
  IHtmlBrowser* browser = static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_browser));
  CHtmlObjectPtr<IHtmlElement> focused = browser->getElementWithFocus();
  EXPECT_EQ(stringProperty(focused, ".id"), "query");
}

TEST_F(DocumentObjectTest, ElementTextAndTextNodes) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  CHtmlObjectPtr<IHtmlElement> spaced = byId(document, "spaced");
  EXPECT_EQ(stringProperty(spaced, ".text"), "Hello, big world");
  CHtmlObjectPtr<IHtmlElement> texts = byId(document, "texts");
  EXPECT_EQ(stringProperty(texts, ".text"), "a b x y one two \xC2\xA9");
  CHtmlObjectPtr<IHtmlElement> table = byId(document, "table");
  EXPECT_EQ(stringProperty(table, ".text"), "Prices Item Price Tea2");

  CHtmlObjectPtr<IHtmlElement> mixed = byId(document, "mixed");
  CHtmlObjectPtr<IHtmlEnumerator> children = mixed->getChildren();
  CHtmlObjectPtr<IHtmlElement> text = static_cast<IHtmlElement*>(children->nextElement());
  EXPECT_EQ(stringProperty(text, ".class"), "Html.TextNode");
  EXPECT_EQ(intProperty(text, ".length"), 1);
  EXPECT_EQ(text->getChildren(), nullptr);
  CHtmlObjectPtr<IHtmlPropertyValue> replacement = text->getProperty(".class");
  // Setting .text to a string value changes the page; .value is refused.
  CHtmlObjectPtr<IHtmlElement> parent = text->getParent();
  EXPECT_EQ(stringProperty(parent, ".id"), "mixed");
  EXPECT_TRUE(text->setProperty(".text", replacement));
  EXPECT_EQ(stringProperty(mixed, ".text"), "Html.TextNodex");
  EXPECT_FALSE(text->setProperty(".value", replacement));
}

TEST_F(DocumentObjectTest, TheDefaultSlotsAnswerZeroOnEveryKindOfObject) {
  CHtmlObjectPtr<IHtmlDocument> document = openDocument("elements.html");
  ASSERT_TRUE(document);
  CHtmlObjectPtr<IHtmlElement> element = byId(document, "heading");
  CHtmlObjectPtr<IHtmlElement> mixed = byId(document, "mixed");
  CHtmlObjectPtr<IHtmlEnumerator> children = mixed->getChildren();
  CHtmlObjectPtr<IHtmlElement> text = static_cast<IHtmlElement*>(children->nextElement());
  using slotcall::callSlot;
  const char name[] = ".x";
  std::vector<IHtmlElement*> objects = {m_browser, document, element, text};
  for (IHtmlElement* object : objects) {
    int before = object->getReferenceCount();
    EXPECT_FALSE((callSlot<bool, bool>(object, 15, true)));
    EXPECT_FALSE((callSlot<bool, int>(object, 17, 10)));
    EXPECT_EQ((callSlot<void*, int, const char*>(object, 18, 1, name)), nullptr);
    EXPECT_EQ((callSlot<void*, int, int>(object, 19, 1, 1)), nullptr);
    EXPECT_EQ((callSlot<void*, int, int>(object, 20, 1, 1)), nullptr);
    for (int slot : {21, 22, 23, 25})
      EXPECT_EQ(callSlot<void*>(object, slot), nullptr) << slot;
    EXPECT_EQ((callSlot<void*, const char*>(object, 24, name)), nullptr);
    EXPECT_FALSE(callSlot<bool>(object, 27));
    EXPECT_EQ(object->getReferenceCount(), before);
  }
  // Slot 16 hands an element's document out; the browser and the text node keep the default.
  void* handle = callSlot<void*>(static_cast<IHtmlElement*>(element), 16);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(stringProperty(static_cast<IHtmlElement*>(handle), ".class"), "Html.HtmlDocument");
  static_cast<IHtmlElement*>(handle)->release();
  EXPECT_EQ(callSlot<void*>(static_cast<IHtmlElement*>(text), 16), nullptr);
  EXPECT_EQ(callSlot<void*>(static_cast<IHtmlElement*>(m_browser), 16), nullptr);
  // A document answers no getElementHandleById (slot 31) and no document handles (slot 32).
  EXPECT_EQ((callSlot<void*, const unsigned short*>(static_cast<IHtmlDocument*>(document), 31,
                                                    U16("heading").data())),
            nullptr);
  EXPECT_EQ(callSlot<void*>(static_cast<IHtmlDocument*>(document), 32), nullptr);
  // The domain's default slots.
  EXPECT_EQ((callSlot<long, long>(static_cast<IHtmlDomain*>(domain), 10, 1L)), 0);
}

}  // namespace
