// The per-tag HTML interfaces and the HTML document interface as the product calls them:
// reflected properties with Gecko 1.9.2's defaults, form-control state, collections, frames'
// documents, and what a document answers through nsIDOMNSDocument and nsIDocument.
#include "HostTestSupport.h"
#include "dom/FakeContainer.h"
#include "nsCOMPtr.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAppletElement.h"
#include "nsIDOMHTMLButtonElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLEmbedElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLFrameElement.h"
#include "nsIDOMHTMLFrameSetElement.h"
#include "nsIDOMHTMLIFrameElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLObjectElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLScriptElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTableCaptionElement.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDocument.h"
#include "nsIURI.h"

namespace geckohost::testing {
namespace {

class HTMLInterfacesTest : public LeakCheckedTest {};

std::string str(const nsAString& text) {
  return u8(dom::toU16(text));
}

template <class I>
nsCOMPtr<I> byId(dom::HTMLDocument& page, const char16_t* id) {
  nsCOMPtr<I> element = do_QueryInterface(page.getElementById(id)->asDOMNode());
  EXPECT_TRUE(element) << u8(id);
  return element;
}

TEST_F(HTMLInterfacesTest, InputsAnswerTheirStateAndReflectTheirAttributes) {
  auto page = parsePage(
      "<form id=f><input id=t value=start maxlength=8 size=12 DISABLED>"
      "<input id=c type=CHECKBOX checked><input id=img type=image src=b.png></form>",
      "http://example.com/dir/p.html");
  auto text = byId<nsIDOMHTMLInputElement>(*page, u"t");
  nsString value;
  text->GetValue(value);
  EXPECT_EQ(str(value), "start");
  text->SetValue(NS_LITERAL_STRING("typed"));
  text->GetValue(value);
  EXPECT_EQ(str(value), "typed");
  text->GetDefaultValue(value);
  EXPECT_EQ(str(value), "start");
  text->GetType(value);
  EXPECT_EQ(str(value), "text");
  PRInt32 number = -1;
  text->GetMaxLength(&number);
  EXPECT_EQ(number, 8);
  PRUint32 size = 0;
  text->GetSize(&size);
  EXPECT_EQ(size, 12u);
  PRBool flag = PR_FALSE;
  text->GetDisabled(&flag);
  EXPECT_TRUE(flag);
  text->SetReadOnly(PR_TRUE);
  text->GetReadOnly(&flag);
  EXPECT_TRUE(flag);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  text->GetForm(getter_AddRefs(form));
  EXPECT_EQ(form.get(), byId<nsIDOMHTMLFormElement>(*page, u"f").get());

  auto box = byId<nsIDOMHTMLInputElement>(*page, u"c");
  box->GetType(value);
  EXPECT_EQ(str(value), "checkbox");
  box->GetChecked(&flag);
  EXPECT_TRUE(flag);
  box->SetChecked(PR_FALSE);
  box->GetChecked(&flag);
  EXPECT_FALSE(flag);
  box->GetDefaultChecked(&flag);
  EXPECT_TRUE(flag);
  box->Click();
  box->GetChecked(&flag);
  EXPECT_TRUE(flag);

  auto image = byId<nsIDOMHTMLInputElement>(*page, u"img");
  image->GetSrc(value);
  EXPECT_EQ(str(value), "http://example.com/dir/b.png");
  image->GetMaxLength(&number);
  EXPECT_EQ(number, -1);  // Gecko 1.9.2 answers -1 without the attribute
}

TEST_F(HTMLInterfacesTest, SelectsOptionsAndTheirCollection) {
  auto page =
      parsePage("<select id=s name=n><option id=o1 value=a>A<option id=o2 selected>B</select>");
  auto select = byId<nsIDOMHTMLSelectElement>(*page, u"s");
  PRInt32 index = -2;
  select->GetSelectedIndex(&index);
  EXPECT_EQ(index, 1);
  nsString value;
  select->GetValue(value);
  EXPECT_EQ(str(value), "B");
  select->SetValue(NS_LITERAL_STRING("a"));
  select->GetSelectedIndex(&index);
  EXPECT_EQ(index, 0);
  select->GetType(value);
  EXPECT_EQ(str(value), "select-one");

  nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
  select->GetOptions(getter_AddRefs(options));
  PRUint32 length = 0;
  options->GetLength(&length);
  EXPECT_EQ(length, 2u);
  nsCOMPtr<nsIDOMNode> second;
  options->Item(1, getter_AddRefs(second));
  nsCOMPtr<nsIDOMHTMLOptionElement> option = do_QueryInterface(second);
  PRInt32 optionIndex = -1;
  option->GetIndex(&optionIndex);
  EXPECT_EQ(optionIndex, 1);
  option->SetSelected(PR_TRUE);
  select->GetSelectedIndex(&index);
  EXPECT_EQ(index, 1);
  nsCOMPtr<nsIDOMNode> named;
  options->NamedItem(NS_LITERAL_STRING("o1"), getter_AddRefs(named));
  EXPECT_TRUE(named);
  options->SetLength(5);
  select->GetLength(&length);
  EXPECT_EQ(length, 5u);

  select->Remove(0);
  select->GetLength(&length);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(select->Add(nullptr, nullptr), NS_ERROR_DOM_HIERARCHY_REQUEST_ERR);
}

TEST_F(HTMLInterfacesTest, TablesRowsCellsAndCaption) {
  auto page = parsePage(
      "<table id=t border=1 width=80%><caption id=c>Cap</caption>"
      "<tr id=r><td id=a>1</td><td id=b rowspan=2>2</td></tr></table>");
  auto table = byId<nsIDOMHTMLTableElement>(*page, u"t");
  nsString value;
  table->GetWidth(value);
  EXPECT_EQ(str(value), "80%");
  table->GetBorder(value);
  EXPECT_EQ(str(value), "1");
  nsCOMPtr<nsIDOMHTMLTableCaptionElement> caption;
  table->GetCaption(getter_AddRefs(caption));
  EXPECT_EQ(caption.get(), byId<nsIDOMHTMLTableCaptionElement>(*page, u"c").get());
  nsCOMPtr<nsIDOMHTMLCollection> rows;
  table->GetRows(getter_AddRefs(rows));
  PRUint32 length = 0;
  rows->GetLength(&length);
  EXPECT_EQ(length, 1u);

  auto row = byId<nsIDOMHTMLTableRowElement>(*page, u"r");
  PRInt32 number = -2;
  row->GetRowIndex(&number);
  EXPECT_EQ(number, 0);
  auto cell = byId<nsIDOMHTMLTableCellElement>(*page, u"b");
  cell->GetCellIndex(&number);
  EXPECT_EQ(number, 1);
  cell->GetRowSpan(&number);
  EXPECT_EQ(number, 2);
  cell->GetColSpan(&number);
  EXPECT_EQ(number, 1);

  nsCOMPtr<nsIDOMHTMLElement> inserted;
  EXPECT_EQ(table->InsertRow(7, getter_AddRefs(inserted)), NS_ERROR_DOM_INDEX_SIZE_ERR);
  EXPECT_EQ(table->InsertRow(-1, getter_AddRefs(inserted)), NS_OK);
  rows->GetLength(&length);
  EXPECT_EQ(length, 2u);  // the collection is live
  EXPECT_EQ(table->SetCaption(nullptr), NS_OK);
  table->GetCaption(getter_AddRefs(caption));
  EXPECT_FALSE(caption);
}

TEST_F(HTMLInterfacesTest, ReflectionDefaultsAcrossTags) {
  auto page = parsePage(
      "<a id=a href='../x.html#top' name=n>link</a><img id=i width=30 border='' align=middle>"
      "<textarea id=ta>old</textarea><button id=b></button><script id=s>run()</script>"
      "<applet id=ap height=120 code=C.class codebase=classes/></applet>"
      "<EMBED id=e SRC=m.swf WIDTH=200><object id=o type=text/html data=inner.html></object>",
      "http://example.com/dir/p.html");
  nsString value;
  auto anchor = byId<nsIDOMHTMLAnchorElement>(*page, u"a");
  anchor->GetHref(value);
  EXPECT_EQ(str(value), "http://example.com/x.html#top");
  anchor->GetName(value);
  EXPECT_EQ(str(value), "n");
  PRInt32 number = -1;
  anchor->GetTabIndex(&number);
  EXPECT_EQ(number, 0);

  auto image = byId<nsIDOMHTMLImageElement>(*page, u"i");
  image->GetWidth(&number);
  EXPECT_EQ(number, 30);
  image->GetBorder(value);
  EXPECT_EQ(str(value), "");
  image->GetAlign(value);
  EXPECT_EQ(str(value), "middle");

  auto area = byId<nsIDOMHTMLTextAreaElement>(*page, u"ta");
  area->GetCols(&number);
  EXPECT_EQ(number, 20);
  area->GetRows(&number);
  EXPECT_EQ(number, 2);
  area->SetValue(NS_LITERAL_STRING("new"));
  area->GetValue(value);
  EXPECT_EQ(str(value), "new");
  area->GetDefaultValue(value);
  EXPECT_EQ(str(value), "old");
  area->GetType(value);
  EXPECT_EQ(str(value), "textarea");

  auto button = byId<nsIDOMHTMLButtonElement>(*page, u"b");
  button->GetType(value);
  EXPECT_EQ(str(value), "submit");

  auto script = byId<nsIDOMHTMLScriptElement>(*page, u"s");
  script->GetText(value);
  EXPECT_EQ(str(value), "run()");
  script->SetText(NS_LITERAL_STRING("other()"));
  script->GetText(value);
  EXPECT_EQ(str(value), "other()");

  auto applet = byId<nsIDOMHTMLAppletElement>(*page, u"ap");
  applet->GetHeight(value);
  EXPECT_EQ(str(value), "120");
  applet->GetCode(value);
  EXPECT_EQ(str(value), "C.class");
  applet->GetCodeBase(value);
  EXPECT_EQ(str(value), "http://example.com/dir/classes/");

  auto embed = byId<nsIDOMHTMLEmbedElement>(*page, u"e");
  embed->GetWidth(value);
  EXPECT_EQ(str(value), "200");
  embed->GetSrc(value);
  EXPECT_EQ(str(value), "http://example.com/dir/m.swf");

  auto object = byId<nsIDOMHTMLObjectElement>(*page, u"o");
  object->GetType(value);
  EXPECT_EQ(str(value), "text/html");
  object->GetData(value);
  EXPECT_EQ(str(value), "http://example.com/dir/inner.html");
  nsCOMPtr<nsIDOMDocument> content;
  object->GetContentDocument(getter_AddRefs(content));
  EXPECT_FALSE(content);  // the page is not shown
}

TEST_F(HTMLInterfacesTest, FramesHandOutTheirDocumentsAndFramesetsTheirSizes) {
  auto page = parsePage("<frameset id=fs cols='100,*'><frame><frame id=f></frameset>");
  auto inner = parsePage("<p>inner</p>", "http://example.com/dir/inner.html");
  FakeContainer container;
  container.frames[page->getElementById(u"f")] = inner.get();
  page->setContainer(&container);

  nsCOMPtr<nsIDOMHTMLFrameElement> frame = byId<nsIDOMHTMLFrameElement>(*page, u"f");
  nsCOMPtr<nsIDOMDocument> content;
  frame->GetContentDocument(getter_AddRefs(content));
  nsCOMPtr<nsIDOMHTMLDocument> html = do_QueryInterface(content);
  ASSERT_TRUE(html);
  nsString url;
  html->GetURL(url);
  EXPECT_EQ(str(url), "http://example.com/dir/inner.html");
  nsString cols;
  byId<nsIDOMHTMLFrameSetElement>(*page, u"fs")->GetCols(cols);
  EXPECT_EQ(str(cols), "100,*");

  // The frame's document finds its parent through its own container.
  FakeContainer innerContainer;
  innerContainer.parent = page.get();
  inner->setContainer(&innerContainer);
  EXPECT_EQ(inner->asIDocument()->GetParentDocument(), page->asIDocument());
  EXPECT_EQ(page->asIDocument()->GetParentDocument(), nullptr);
  inner->setContainer(nullptr);
  page->setContainer(nullptr);
}

TEST_F(HTMLInterfacesTest, DocumentAnswersLookupsFocusAndAddress) {
  auto page =
      parsePage("<title>T</title><form name=f></form><input id=i name=q><img><a href=x>l</a>",
                "http://Example.com/dir/page.html");
  nsCOMPtr<nsIDOMHTMLDocument> document = do_QueryInterface(page->asDOMNode());
  nsString value;
  document->GetTitle(value);
  EXPECT_EQ(str(value), "T");
  document->GetURL(value);
  EXPECT_EQ(str(value), "http://example.com/dir/page.html");
  document->GetDomain(value);
  EXPECT_EQ(str(value), "example.com");
  document->GetCookie(value);
  EXPECT_EQ(str(value), "");

  nsCOMPtr<nsIDOMHTMLCollection> forms, images, links;
  document->GetForms(getter_AddRefs(forms));
  document->GetImages(getter_AddRefs(images));
  document->GetLinks(getter_AddRefs(links));
  PRUint32 length = 0;
  forms->GetLength(&length);
  EXPECT_EQ(length, 1u);
  images->GetLength(&length);
  EXPECT_EQ(length, 1u);
  links->GetLength(&length);
  EXPECT_EQ(length, 1u);
  nsCOMPtr<nsIDOMNode> namedForm;
  forms->NamedItem(NS_LITERAL_STRING("f"), getter_AddRefs(namedForm));
  EXPECT_TRUE(namedForm);
  nsCOMPtr<nsIDOMNodeList> named;
  document->GetElementsByName(NS_LITERAL_STRING("q"), getter_AddRefs(named));
  named->GetLength(&length);
  EXPECT_EQ(length, 1u);

  // Active element: the body until something has the focus.
  nsCOMPtr<nsIDOMNSDocument> ns = do_QueryInterface(document);
  nsCOMPtr<nsIDOMElement> active;
  ns->GetActiveElement(getter_AddRefs(active));
  nsCOMPtr<nsIDOMHTMLElement> body;
  document->GetBody(getter_AddRefs(body));
  EXPECT_EQ(active.get(), static_cast<nsIDOMElement*>(body.get()));
  nsCOMPtr<nsIDOMNSHTMLElement> input = do_QueryInterface(page->getElementById(u"i")->asDOMNode());
  input->Focus();
  ns->GetActiveElement(getter_AddRefs(active));
  EXPECT_EQ(active.get(), page->getElementById(u"i")->asDOMElement());
  ns->GetReadyState(value);
  EXPECT_EQ(str(value), "interactive");
  PRBool focus = PR_TRUE;
  ns->HasFocus(&focus);
  EXPECT_FALSE(focus);

  nsIURI* uri = page->asIDocument()->GetDocumentURI();
  nsCString resolved;
  ASSERT_EQ(uri->Resolve(NS_LITERAL_CSTRING("../img/a.png"), resolved), NS_OK);
  EXPECT_EQ(std::string(resolved.get()), "http://example.com/img/a.png");
  EXPECT_EQ(page->asIDocument()->GetPrimaryShell(), nullptr);
  EXPECT_EQ(page->asIDocument()->GetScriptGlobalObject(), nullptr);
  EXPECT_EQ(document->Write(NS_LITERAL_STRING("x")), NS_ERROR_NOT_IMPLEMENTED);
}

TEST_F(HTMLInterfacesTest, ElementFromPointComesFromLayout) {
  auto page = parsePage("<div id=d></div>");
  nsCOMPtr<nsIDOMNSDocument> ns = do_QueryInterface(page->asDOMNode());
  nsCOMPtr<nsIDOMElement> hit;
  ns->ElementFromPoint(5, 5, getter_AddRefs(hit));
  EXPECT_FALSE(hit);
  FakeContainer container;
  container.fakeLayout.hit = page->getElementById(u"d");
  page->setContainer(&container);
  ns->ElementFromPoint(5, 5, getter_AddRefs(hit));
  EXPECT_EQ(hit.get(), page->getElementById(u"d")->asDOMElement());
  page->setContainer(nullptr);
}

}  // namespace
}  // namespace geckohost::testing
