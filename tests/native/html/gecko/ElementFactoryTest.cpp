// The element factory over pages parsed by the host, without windows.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "HostPage.h"
#include "LiveObjectsCheck.h"
#include "NSHtmlAnchorElement.h"
#include "NSHtmlAppletElement.h"
#include "NSHtmlAreaElement.h"
#include "NSHtmlButtonElement.h"
#include "NSHtmlDocument.h"
#include "NSHtmlEmbedElement.h"
#include "NSHtmlFormElement.h"
#include "NSHtmlFrameElement.h"
#include "NSHtmlFrameSetElement.h"
#include "NSHtmlIFrameElement.h"
#include "NSHtmlImageElement.h"
#include "NSHtmlInputElement.h"
#include "NSHtmlMapElement.h"
#include "NSHtmlObjectElement.h"
#include "NSHtmlOptionElement.h"
#include "NSHtmlSelectElement.h"
#include "NSHtmlTableCellElement.h"
#include "NSHtmlTableElement.h"
#include "NSHtmlTableRowElement.h"
#include "NSHtmlTextAreaElement.h"

namespace {

const char kEveryKind[] = R"html(<!DOCTYPE html><html><head><title>Kinds</title></head><body>
<iframe id="iframe" src="about:blank"></iframe>
<a id="a" href="x.html">link</a>
<textarea id="textarea">old</textarea>
<form id="form"><input id="input-in-form" name="q"></form>
<select id="select"><option id="option">o</option></select>
<img id="img" src="i.png">
<button id="button">b</button>
<map id="map" name="m"><area id="area" href="#"></map>
<table id="table"><tr id="tr"><td id="td">1</td><th id="th">2</th></tr></table>
<applet id="applet" code="A.class"></applet>
<EMBED id="embed" src="e.swf">
<object id="object" type="application/x-test"></object>
<div id="div">d</div>
<svg id="svg"><circle r="1"/></svg>
</body></html>)html";

template <class Expected>
void ExpectClass(HostPage& page, const char* id) {
  nsCOMPtr<nsIDOMHTMLElement> element = page.element(id);
  ASSERT_TRUE(element) << id;
  CHtmlObjectPtr<CNSHtmlElement> object = CNSHtmlDocument::create(element);
  ASSERT_TRUE(object) << id;
  const CNSHtmlElement& created = *object;
  EXPECT_EQ(typeid(created), typeid(Expected)) << id;
  EXPECT_EQ(object->getReferenceCount(), 1);
}

class ElementFactoryTest : public LiveObjectsCheck {};

}  // namespace

TEST_F(ElementFactoryTest, EachKindGetsItsClass) {
  {
    HostPage page(kEveryKind);
    ExpectClass<CNSHtmlIFrameElement>(page, "iframe");
    ExpectClass<CNSHtmlAnchorElement>(page, "a");
    ExpectClass<CNSHtmlTextAreaElement>(page, "textarea");
    ExpectClass<CNSHtmlFormElement>(page, "form");
    ExpectClass<CNSHtmlInputElement>(page, "input-in-form");
    ExpectClass<CNSHtmlSelectElement>(page, "select");
    ExpectClass<CNSHtmlOptionElement>(page, "option");
    ExpectClass<CNSHtmlImageElement>(page, "img");
    ExpectClass<CNSHtmlButtonElement>(page, "button");
    ExpectClass<CNSHtmlMapElement>(page, "map");
    ExpectClass<CNSHtmlAreaElement>(page, "area");
    ExpectClass<CNSHtmlTableElement>(page, "table");
    ExpectClass<CNSHtmlTableRowElement>(page, "tr");
    ExpectClass<CNSHtmlTableCellElement>(page, "td");
    ExpectClass<CNSHtmlTableCellElement>(page, "th");
    ExpectClass<CNSHtmlAppletElement>(page, "applet");
    ExpectClass<CNSHtmlEmbedElement>(page, "embed");  // by its tag name, written in upper case
    ExpectClass<CNSHtmlObjectElement>(page, "object");
    ExpectClass<CNSHtmlElement>(page, "div");
    // An SVG element is no HTML element: the factory is never asked, the node gives null.
    nsCOMPtr<nsIDOMElement> svg;
    page.domDocument()->GetElementById(NS_LITERAL_STRING("svg"), getter_AddRefs(svg));
    nsCOMPtr<nsIDOMNode> node = do_QueryInterface(svg);
    ASSERT_TRUE(node);
    EXPECT_EQ(CNSHtmlDocument::create(node), nullptr);
  }
}

TEST_F(ElementFactoryTest, FramesetPagesMakeFrameObjects) {
  HostPage page(R"html(<html><frameset id="set" cols="100,*">
    <frame id="left" src="about:blank"><frame id="right" src="about:blank"></frameset></html>)html");
  ExpectClass<CNSHtmlFrameSetElement>(page, "set");
  ExpectClass<CNSHtmlFrameElement>(page, "left");
}

TEST_F(ElementFactoryTest, AnInputInsideAnInputStandsForTheOuterOne) {
  HostPage page(R"html(<body><form><input id="outer"></form></body>)html");
  nsCOMPtr<nsIDOMHTMLElement> outer = page.element("outer");
  // Markup cannot nest inputs, but script can: build one inside the other.
  nsCOMPtr<nsIDOMElement> inner;
  page.domDocument()->CreateElement(NS_LITERAL_STRING("input"), getter_AddRefs(inner));
  nsCOMPtr<nsIDOMNode> appended;
  ASSERT_EQ(outer->AppendChild(inner, getter_AddRefs(appended)), NS_OK);
  nsCOMPtr<nsIDOMHTMLElement> innerHtml = do_QueryInterface(inner);
  CHtmlObjectPtr<CNSHtmlElement> object = CNSHtmlDocument::create(innerHtml);
  ASSERT_TRUE(object);
  const CNSHtmlElement& created = *object;
  EXPECT_EQ(typeid(created), typeid(CNSHtmlInputElement));
  EXPECT_EQ(object->getElement(), outer.get());
  // One level only: the outer input, inside a form, stands for itself.
  CHtmlObjectPtr<CNSHtmlElement> outerObject = CNSHtmlDocument::create(outer);
  EXPECT_EQ(outerObject->getElement(), outer.get());
}

TEST_F(ElementFactoryTest, PrefixedHtmlElementsKeepTheirClassButEmbedGoesByTagName) {
  HostPage page("<body id='body'></body>");
  auto makePrefixed = [&page](const char* name) {
    nsCOMPtr<nsIDOMElement> made;
    page.domDocument()->CreateElementNS(NS_LITERAL_STRING("http://www.w3.org/1999/xhtml"),
                                        NS_ConvertASCIItoUTF16(name), getter_AddRefs(made));
    nsCOMPtr<nsIDOMHTMLElement> html = do_QueryInterface(made);
    return html;
  };
  // h:input is an input element (its interfaces say so) whatever the prefix.
  nsCOMPtr<nsIDOMHTMLElement> input = makePrefixed("h:input");
  ASSERT_TRUE(input);
  CHtmlObjectPtr<CNSHtmlElement> inputObject = CNSHtmlDocument::create(input);
  const CNSHtmlElement& inputCreated = *inputObject;
  EXPECT_EQ(typeid(inputCreated), typeid(CNSHtmlInputElement));
  // The embed test reads the tag name, which the prefix changes.
  nsCOMPtr<nsIDOMHTMLElement> embed = makePrefixed("h:embed");
  ASSERT_TRUE(embed);
  CHtmlObjectPtr<CNSHtmlElement> embedObject = CNSHtmlDocument::create(embed);
  const CNSHtmlElement& embedCreated = *embedObject;
  EXPECT_EQ(typeid(embedCreated), typeid(CNSHtmlElement));
}
