// The XUL side of the surface as dialogs are read: the XUL document's lookups and command
// dispatcher, XUL elements' reflection, box objects measured through the container, and the
// anonymous content reached through nsIDOMDocumentXBL.
#include <fstream>
#include <sstream>

#include "HostTestSupport.h"
#include "XPCOMObject.h"
#include "dom/FakeContainer.h"
#include "dom/XULDocument.h"
#include "nsCOMPtr.h"
#include "nsIBoxObject.h"
#include "nsIContent.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsMemory.h"
#include "parser/XULParser.h"

namespace geckohost::testing {
namespace {

class XULInterfacesTest : public LeakCheckedTest {
 protected:
  static RefPtr<dom::XULDocument> loadDialog() {
    std::ifstream file(std::string(GECKOHOST_TEST_PAGES) + "/dialog.xul");
    std::stringstream text;
    text << file.rdbuf();
    return parser::XULParser::parseDocument(text.str(),
                                            url("chrome://global/content/commonDialog.xul"));
  }
};

std::string str(const nsAString& text) {
  return u8(dom::toU16(text));
}

const PRUnichar* wide(const char16_t* text) {
  return reinterpret_cast<const PRUnichar*>(text);
}

// A dispatcher that only has to be itself: the document hands back what it was given.
class NullDispatcher final : public XPCOMObject<nsIDOMXULCommandDispatcher> {
 public:
  NS_IMETHOD GetFocusedElement(nsIDOMElement**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD SetFocusedElement(nsIDOMElement*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD GetFocusedWindow(nsIDOMWindow**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD SetFocusedWindow(nsIDOMWindow*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD AddCommandUpdater(nsIDOMElement*, const nsAString&, const nsAString&) override {
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  NS_IMETHOD RemoveCommandUpdater(nsIDOMElement*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD UpdateCommands(const nsAString&) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD GetControllerForCommand(const char*, nsIController**) override {
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  NS_IMETHOD GetControllers(nsIControllers**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD AdvanceFocus() override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD RewindFocus() override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD AdvanceFocusIntoSubtree(nsIDOMElement*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD GetSuppressFocusScroll(PRBool*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD SetSuppressFocusScroll(PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
};

TEST_F(XULInterfacesTest, DocumentFindsElementsByAttributeAndKeepsItsDispatcher) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  nsCOMPtr<nsIDOMXULDocument> document = do_QueryInterface(dialog->asDOMNode());
  ASSERT_TRUE(document);
  nsCOMPtr<nsIDOMNodeList> found;
  document->GetElementsByAttribute(NS_LITERAL_STRING("id"), NS_LITERAL_STRING("commonDialog"),
                                   getter_AddRefs(found));
  PRUint32 length = 0;
  found->GetLength(&length);
  EXPECT_EQ(length, 1u);
  document->GetElementsByAttribute(NS_LITERAL_STRING("label"), NS_LITERAL_STRING("*"),
                                   getter_AddRefs(found));
  found->GetLength(&length);
  EXPECT_EQ(length, 1u);  // the checkbox; the buttons are anonymous

  nsCOMPtr<nsIDOMXULCommandDispatcher> none;
  document->GetCommandDispatcher(getter_AddRefs(none));
  EXPECT_FALSE(none);
  nsCOMPtr<nsIDOMXULCommandDispatcher> dispatcher = new NullDispatcher;
  dialog->setCommandDispatcher(dispatcher);
  nsCOMPtr<nsIDOMXULCommandDispatcher> back;
  document->GetCommandDispatcher(getter_AddRefs(back));
  EXPECT_EQ(back.get(), dispatcher.get());
  dialog->setCommandDispatcher(nullptr);

  nsCOMPtr<nsIDOMElement> root;
  dialog->asDOMDocument()->GetDocumentElement(getter_AddRefs(root));
  nsString value;
  root->GetAttribute(NS_LITERAL_STRING("missing"), value);
  EXPECT_FALSE(value.IsVoid());  // XUL answers "" for a missing attribute
  EXPECT_EQ(str(value), "");
  root->GetTagName(value);
  EXPECT_EQ(str(value), "dialog");
}

TEST_F(XULInterfacesTest, AnonymousContentThroughXBL) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  nsCOMPtr<nsIDOMDocumentXBL> xbl = do_QueryInterface(dialog->asDOMNode());
  nsIDOMElement* root = dialog->documentElement()->asDOMElement();
  nsCOMPtr<nsIDOMNodeList> anonymous;
  ASSERT_EQ(xbl->GetAnonymousNodes(root, getter_AddRefs(anonymous)), NS_OK);
  PRUint32 length = 0;
  anonymous->GetLength(&length);
  ASSERT_EQ(length, 1u);
  nsCOMPtr<nsIDOMNode> box;
  anonymous->Item(0, getter_AddRefs(box));
  nsCOMPtr<nsIDOMXULElement> xulBox = do_QueryInterface(box);
  nsString className;
  xulBox->GetClassName(className);
  EXPECT_EQ(str(className), "dialog-button-box");

  nsCOMPtr<nsIContent> content = do_QueryInterface(box);
  nsCOMPtr<nsIContent> rootContent = do_QueryInterface(root);
  EXPECT_EQ(content->GetBindingParent(), rootContent.get());
  nsCOMPtr<nsIDOMNode> parent;
  box->GetParentNode(getter_AddRefs(parent));
  EXPECT_EQ(parent.get(), static_cast<nsIDOMNode*>(root));

  nsCOMPtr<nsIDOMElement> cancel;
  xbl->GetAnonymousElementByAttribute(root, NS_LITERAL_STRING("dlgtype"),
                                      NS_LITERAL_STRING("cancel"), getter_AddRefs(cancel));
  ASSERT_TRUE(cancel);
  nsCOMPtr<nsIDOMElement> binding;
  xbl->GetBindingParent(cancel, getter_AddRefs(binding));
  EXPECT_EQ(binding.get(), root);

  // An element without a binding has no anonymous nodes at all.
  nsIDOMElement* checkbox = dialog->getElementById(u"checkbox")->asDOMElement();
  xbl->GetAnonymousNodes(checkbox, getter_AddRefs(anonymous));
  EXPECT_FALSE(anonymous);
}

TEST_F(XULInterfacesTest, XULElementsReflectTheirAttributesTheXULWay) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  nsCOMPtr<nsIDOMXULElement> checkbox =
      do_QueryInterface(dialog->getElementById(u"checkbox")->asDOMNode());
  PRBool flag = PR_TRUE;
  checkbox->GetCollapsed(&flag);
  EXPECT_FALSE(flag);  // collapsed="false"
  checkbox->SetHidden(PR_TRUE);
  nsString value;
  checkbox->GetAttribute(NS_LITERAL_STRING("hidden"), value);
  EXPECT_EQ(str(value), "true");
  checkbox->SetHidden(PR_FALSE);
  checkbox->GetHidden(&flag);
  EXPECT_FALSE(flag);
  checkbox->GetId(value);
  EXPECT_EQ(str(value), "checkbox");
  checkbox->SetFlex(NS_LITERAL_STRING("2"));
  checkbox->GetFlex(value);
  EXPECT_EQ(str(value), "2");
  EXPECT_EQ(checkbox->Click(), NS_ERROR_NOT_IMPLEMENTED);

  nsCOMPtr<nsIDOMNodeList> buttons;
  nsCOMPtr<nsIDOMXULElement> root = do_QueryInterface(dialog->documentElement()->asDOMNode());
  root->GetElementsByAttribute(NS_LITERAL_STRING("id"), NS_LITERAL_STRING("*"),
                               getter_AddRefs(buttons));
  PRUint32 length = 0;
  buttons->GetLength(&length);
  EXPECT_EQ(length, 4u);  // info.body, checkbox, loginTextbox, htmlPart (not the root itself)
}

TEST_F(XULInterfacesTest, BoxObjectsMeasureThroughTheContainerAndKeepProperties) {
  auto dialog = loadDialog();
  ASSERT_TRUE(dialog);
  dom::Element* checkboxElement = dialog->getElementById(u"checkbox");
  dom::Element* vbox = checkboxElement->parentElement();
  FakeContainer container;
  container.boxes[checkboxElement] = nsIntRect(110, 220, 80, 20);
  container.boxes[vbox] = nsIntRect(100, 200, 300, 150);
  container.boxes[dialog->documentElement()] = nsIntRect(90, 180, 320, 240);
  dialog->setContainer(&container);

  nsCOMPtr<nsIDOMXULElement> checkbox = do_QueryInterface(checkboxElement->asDOMNode());
  nsCOMPtr<nsIBoxObject> box;
  ASSERT_EQ(checkbox->GetBoxObject(getter_AddRefs(box)), NS_OK);
  PRInt32 value = 0;
  box->GetScreenX(&value);
  EXPECT_EQ(value, 110);
  box->GetScreenY(&value);
  EXPECT_EQ(value, 220);
  box->GetWidth(&value);
  EXPECT_EQ(value, 80);
  box->GetX(&value);
  EXPECT_EQ(value, 10);  // relative to the parent box
  nsCOMPtr<nsIDOMElement> parentBox;
  box->GetParentBox(getter_AddRefs(parentBox));
  EXPECT_EQ(parentBox.get(), vbox->asDOMElement());

  box->SetProperty(wide(u"k"), wide(u"v"));
  nsCOMPtr<nsIBoxObject> again;
  nsCOMPtr<nsIDOMXULDocument> document = do_QueryInterface(dialog->asDOMNode());
  document->GetBoxObjectFor(checkboxElement->asDOMElement(), getter_AddRefs(again));
  EXPECT_EQ(again.get(), box.get());  // one box object per element while held
  PRUnichar* property = nullptr;
  again->GetProperty(wide(u"k"), &property);
  ASSERT_NE(property, nullptr);
  EXPECT_EQ(u8(reinterpret_cast<char16_t*>(property)), "v");
  NS_Free(property);

  document->GetWidth(&value);
  EXPECT_EQ(value, 320);
  dialog->setContainer(nullptr);
  box->GetWidth(&value);
  EXPECT_EQ(value, 0);  // not shown: no box
}

}  // namespace
}  // namespace geckohost::testing
