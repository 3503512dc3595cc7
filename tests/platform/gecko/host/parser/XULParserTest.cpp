// XUL files through pugixml: namespaces, text only where it is content, processing
// instructions and comments, anonymous content, and the refusal of malformed files.
#include <fstream>
#include <sstream>

#include "HostTestSupport.h"
#include "dom/CharacterData.h"
#include "dom/DocumentType.h"
#include "dom/ElementList.h"
#include "dom/NodeList.h"
#include "dom/ProcessingInstruction.h"
#include "dom/XULDocument.h"
#include "dom/XULElement.h"
#include "parser/XULParser.h"

namespace geckohost::testing {
namespace {

using namespace dom;

class XULParserTest : public LeakCheckedTest {
 protected:
  static RefPtr<XULDocument> loadDialog() {
    std::ifstream file(std::string(GECKOHOST_TEST_PAGES) + "/dialog.xul");
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    auto document = parser::XULParser::parseDocument(
        text.str(), url("chrome://global/content/commonDialog.xul"), &error);
    EXPECT_TRUE(document) << error;
    return document;
  }
};

TEST_F(XULParserTest, ElementsTakeTheNamespacesTheirPrefixesDeclare) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  Element* root = dialog->documentElement();
  EXPECT_TRUE(root->isXUL());
  EXPECT_EQ(u8(root->tagName()), "dialog");
  EXPECT_EQ(u8(dialog->title()), "Confirm");
  EXPECT_EQ(u8(dialog->contentType()), "application/vnd.mozilla.xul+xml");

  Element* html = dialog->getElementById(u"htmlPart");
  EXPECT_TRUE(html->isHTML());
  EXPECT_EQ(u8(html->tagName()), "html:div");
  EXPECT_EQ(u8(html->prefix()), "html");
  EXPECT_EQ(u8(*html->textContent()), "plain bold");
  EXPECT_EQ(u8(*root->getAttributeNS(kXMLNSNamespaceURI, u"html")), u8(kHTMLNamespaceURI));
}

TEST_F(XULParserTest, OnlyMeaningfulTextIsKept) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  Element* description = dialog->getElementById(u"info.body");
  ASSERT_EQ(description->childCount(), 1u);
  EXPECT_EQ(u8(*description->textContent()), "Delete   the file?");
  Element* box = description->parentElement();
  for (Node* child = box->firstChild(); child; child = child->nextSibling()) {
    EXPECT_FALSE(child->nodeType() == NodeType::Text) << "indentation kept as text";
  }
  // The script's CDATA section is kept as one.
  Element* script = box->lastElementChild();
  ASSERT_EQ(script->childCount(), 1u);
  EXPECT_EQ(script->firstChild()->nodeType(), NodeType::CDATASection);
  EXPECT_EQ(u8(*script->textContent()), " if (a < b) run(); ");

  // The stylesheet instruction and the doctype precede the root; the comment sits in it.
  EXPECT_EQ(dialog->firstChild()->nodeType(), NodeType::ProcessingInstruction);
  EXPECT_EQ(u8(static_cast<ProcessingInstruction*>(dialog->firstChild())->target()),
            "xml-stylesheet");
  EXPECT_EQ(u8(dialog->doctype()->name()), "dialog");
}

TEST_F(XULParserTest, XBLContentBecomesAnonymousContent) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  Element* root = dialog->documentElement();
  // Ordinary children: the comment and the vbox; no xbl:content element anywhere.
  EXPECT_EQ(root->childElementCount(), 1u);
  EXPECT_EQ(dialog->getElementsByTagName(u"xbl:content")->length(), 0u);

  RefPtr<NodeList> anonymous = dialog->anonymousNodesOf(*root);
  ASSERT_EQ(anonymous->length(), 1u);
  auto* buttonBox = static_cast<XULElement*>(anonymous->item(0));
  EXPECT_TRUE(buttonBox->hasClass(u"dialog-button-box"));
  EXPECT_EQ(buttonBox->parentNode(), root);
  EXPECT_EQ(buttonBox->nextSibling(), nullptr);
  EXPECT_TRUE(buttonBox->isInDocument());
  EXPECT_EQ(buttonBox->getElementsByAttribute(u"dlgtype", u"*")->length(), 2u);
  // Document-wide lookups walk the ordinary tree only.
  EXPECT_EQ(dialog->getElementsByAttribute(u"dlgtype", u"accept")->length(), 0u);
  EXPECT_EQ(dialog->getElementsByAttribute(u"id", u"commonDialog")->item(0), root);
}

TEST_F(XULParserTest, XULBooleansAreTrueOrAbsent) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  auto* checkbox = static_cast<XULElement*>(dialog->getElementById(u"checkbox"));
  EXPECT_FALSE(checkbox->isCollapsed());
  checkbox->setAttribute(u"collapsed", u"true");
  EXPECT_TRUE(checkbox->isCollapsed());
  EXPECT_FALSE(checkbox->isHidden());
}

TEST_F(XULParserTest, MalformedFilesAreRefused) {
  std::string error;
  EXPECT_FALSE(parser::XULParser::parseDocument("<window><box></window>",
                                                url("chrome://t/content/t.xul"), &error));
  EXPECT_NE(error.find("offset"), std::string::npos);
  auto bare = parser::XULParser::parseDocument("<window><box/>text</window>",
                                               url("chrome://t/content/t.xul"));
  ASSERT_TRUE(bare);
  EXPECT_TRUE(bare->documentElement()->isXUL());  // no xmlns: XUL by default
  EXPECT_EQ(u8(*bare->documentElement()->textContent()), "text");
}

}  // namespace
}  // namespace geckohost::testing
