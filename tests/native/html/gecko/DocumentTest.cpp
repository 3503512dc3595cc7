// The document object over pages parsed by the host, without windows.
#include <gtest/gtest.h>

#include <cstring>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "NSHtmlDocument.h"
#include "NSHtmlNodeListEnumerator.h"
#include "TestHelpers.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"

namespace {

const char kPage[] = R"html(<html><head><title>The title</title></head><body>
<p id="p1" name="n">one</p><p id="p2">two</p><span name="n">s</span>
<div id="list"><b>1</b><!--c--><i>2</i><!--d--></div>
<div id="foreign"><b>x</b><svg><rect/></svg></div>
</body></html>)html";

class DocumentTest : public LiveObjectsCheck {};

}  // namespace

TEST_F(DocumentTest, PropertiesAndIdentity) {
  HostPage page(kPage, "http://test.example/page.html");
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(page.domDocument());
  EXPECT_EQ(StringProperty(document, ".class"), "Html.HtmlDocument");
  EXPECT_EQ(StringProperty(document, ".title"), "The title");
  EXPECT_EQ(StringProperty(document, ".url"), "http://test.example/page.html");
  EXPECT_EQ(IntProperty(document, ".vScrollWidth"), 0);
  EXPECT_EQ(IntProperty(document, ".hScrollHeight"), 0);

  // uniqueId: the identity's low 32 bits as eight hex digits, then the URL.
  char identity[16];
  snprintf(identity, sizeof identity, "%08lx",
           static_cast<unsigned long>(static_cast<unsigned int>(document->getObject())));
  EXPECT_EQ(StringProperty(document, ".uniqueId"),
            std::string(identity) + "http://test.example/page.html");
  nsCOMPtr<nsISupports> canonical = do_QueryInterface(page.domDocument());
  EXPECT_EQ(document->getObject(),
            static_cast<long long>(reinterpret_cast<intptr_t>(canonical.get())));

  // Ids a document does not answer; a document shown nowhere has no bounds.
  for (unsigned int id : {1u, 2u, 3u, 14u, 79u, 80u, 0u, 200u}) {
    EXPECT_FALSE(HasProperty(document, id)) << id;
  }
  EXPECT_EQ(document->getProperty(".nosuch"), nullptr);
  // Setting the title is not offered.
  CHtmlObjectPtr<IHtmlPropertyValue> title = document->getProperty(".title");
  EXPECT_FALSE(document->setProperty(".title", title));
  EXPECT_EQ(StringProperty(document, ".title"), "The title");

  // Two objects for the same page compare equal; the document is not a point container.
  CHtmlObjectPtr<CNSHtmlDocument> again = new CNSHtmlDocument(page.domDocument());
  EXPECT_TRUE(*again == *document);
  EXPECT_FALSE(document->isPointInObject(0, 0));
  EXPECT_EQ(document->getReadyStatus().Length() > 0, true);
}

TEST_F(DocumentTest, LookupsByTagNameAndId) {
  HostPage page(kPage);
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(page.domDocument());

  CHtmlObjectPtr<IHtmlEnumerator> paragraphs = document->getElementsByTag(U16("p").data());
  EXPECT_EQ(Classes(paragraphs), (std::vector<std::string>{"Html.P", "Html.P"}));
  CHtmlObjectPtr<IHtmlEnumerator> none = document->getElementsByTag(U16("table").data());
  ASSERT_TRUE(none);
  EXPECT_FALSE(none->hasMoreElements());
  EXPECT_EQ(none->nextElement(), nullptr);

  CHtmlObjectPtr<IHtmlEnumerator> named = document->getElementsByName(U16("n").data());
  EXPECT_EQ(Classes(named), (std::vector<std::string>{"Html.P", "Html.SPAN"}));

  CHtmlObjectPtr<IHtmlElement> p2 = document->getElementById(U16("p2").data());
  ASSERT_TRUE(p2);
  EXPECT_EQ(StringProperty(p2, ".id"), "p2");
  EXPECT_EQ(document->getElementById(U16("missing").data()), nullptr);
  EXPECT_EQ(document->getElementById(nullptr), nullptr);
  EXPECT_EQ(document->getElementsByTag(nullptr), nullptr);
}

TEST_F(DocumentTest, NodeListsSkipWhatIsNotAnHtmlElement) {
  HostPage page(kPage);
  // Four children, the second and fourth comments: two objects, then null.
  nsCOMPtr<nsIDOMNodeList> children;
  page.element("list")->GetChildNodes(getter_AddRefs(children));
  CHtmlObjectPtr<IHtmlEnumerator> list = new CNSHtmlNodeListEnumerator(children);
  CHtmlObjectPtr<IHtmlObject> first = list->nextElement();
  CHtmlObjectPtr<IHtmlObject> second = list->nextElement();
  EXPECT_TRUE(first && second);
  EXPECT_EQ(list->nextElement(), nullptr);
  EXPECT_FALSE(list->hasMoreElements());

  // The last item is an SVG element: the enumeration ends with null without reading further.
  page.element("foreign")->GetChildNodes(getter_AddRefs(children));
  CHtmlObjectPtr<IHtmlEnumerator> foreign = new CNSHtmlNodeListEnumerator(children);
  CHtmlObjectPtr<IHtmlObject> bold = foreign->nextElement();
  EXPECT_TRUE(bold);
  EXPECT_TRUE(foreign->hasMoreElements());
  EXPECT_EQ(foreign->nextElement(), nullptr);
  EXPECT_FALSE(foreign->hasMoreElements());
  EXPECT_EQ(foreign->nextElement(), nullptr);
}

TEST_F(DocumentTest, ChildrenAndTopParentWithoutAWindow) {
  HostPage page(kPage);
  CHtmlObjectPtr<CNSHtmlDocument> document = new CNSHtmlDocument(page.domDocument());
  CHtmlObjectPtr<IHtmlEnumerator> children = document->getChildren();
  EXPECT_EQ(Classes(children), (std::vector<std::string>{"Html.HTML"}));
  // Not shown anywhere: no window, no frame, no browser.
  EXPECT_EQ(document->getParent(), nullptr);
  EXPECT_EQ(document->getTopParent(), nullptr);
  EXPECT_EQ(document->getChildAtPoint(10, 10), nullptr);
  nsCOMPtr<nsIDOMWindow> window;
  EXPECT_FALSE(document->getWindow(window));
  EXPECT_EQ(document->getWidget(), nullptr);
  nsRect unchanged = document->documentToScreen(nsRect(1, 2, 3, 4), 1.0f);
  EXPECT_EQ(unchanged, nsRect(1, 2, 3, 4));
  EXPECT_EQ(document->screenToDocument(nsRect(1, 2, 3, 4), 1.0f), nsRect());
}
