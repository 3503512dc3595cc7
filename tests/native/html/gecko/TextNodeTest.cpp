// The text node object over a page parsed by the host, without windows.
#include <gtest/gtest.h>

#include "HostPage.h"
#include "LiveObjects.h"
#include "NSHtmlDocument.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlTextNode.h"
#include "TestHelpers.h"
#include "nsIDOMText.h"

TEST(TextNodeTest, PropertiesAndTheOneSettableName) {
  long before = geckohost::LiveObjects::count();
  {
    HostPage page(R"html(<body><p id="p">abc</p></body>)html");
    nsCOMPtr<nsIDOMNode> child;
    page.element("p")->GetFirstChild(getter_AddRefs(child));
    nsCOMPtr<nsIDOMText> textNode = do_QueryInterface(child);
    ASSERT_TRUE(textNode);
    CHtmlObjectPtr<CNSHtmlTextNode> text = new CNSHtmlTextNode(textNode);
    EXPECT_EQ(IntProperty(text, ".length"), 3);
    EXPECT_EQ(StringProperty(text, ".class"), "Html.TextNode");
    EXPECT_EQ(StringProperty(text, ".text"), "abc");
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->getChildren(), nullptr);
    EXPECT_EQ(text->getNativeProperties(), nullptr);
    EXPECT_EQ(text->getProperty("id"), nullptr);  // no attributes

    // Without an accessible there is no rectangle, and no point is inside it.
    CHtmlObjectPtr<IHtmlPropertyValue> bounds = text->getProperty(".bounds");
    HtmlRectangle r = bounds->rectangle();
    EXPECT_EQ(r.x | r.y | r.width | r.height, 0);
    EXPECT_FALSE(text->isPointInObject(0, 0));

    CHtmlObjectPtr<IHtmlPropertyValue> x = new CNSHtmlPropertyValue("x");
    EXPECT_TRUE(text->setProperty(".text", x));
    EXPECT_EQ(StringProperty(text, ".text"), "x");
    EXPECT_FALSE(text->setProperty(".value", x));
    CHtmlObjectPtr<IHtmlPropertyValue> number = new CNSHtmlPropertyValue(5);
    EXPECT_FALSE(text->setProperty(".text", number));
    EXPECT_EQ(IntProperty(text, ".length"), 1);

    CHtmlObjectPtr<IHtmlElement> parent = text->getParent();
    EXPECT_EQ(StringProperty(parent, ".class"), "Html.P");
    // Enumerated properties: class, text, bounds and length, in table order.
    CHtmlObjectPtr<IHtmlEnumerator> properties = text->getProperties();
    std::vector<std::string> names;
    while (properties->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlProperty> property =
          static_cast<IHtmlProperty*>(properties->nextElement());
      names.push_back(Utf8(property->getPropertyName()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{".class", ".text", ".bounds", ".length"}));
  }
  EXPECT_EQ(geckohost::LiveObjects::count(), before);
}
