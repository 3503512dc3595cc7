#include "dom/ElementFactory.h"

#include "dom/HTMLAnchorElement.h"
#include "dom/HTMLAppletElement.h"
#include "dom/HTMLAreaElement.h"
#include "dom/HTMLBodyElement.h"
#include "dom/HTMLButtonElement.h"
#include "dom/HTMLEmbedElement.h"
#include "dom/HTMLFormElement.h"
#include "dom/HTMLFrameElement.h"
#include "dom/HTMLFrameSetElement.h"
#include "dom/HTMLHtmlElement.h"
#include "dom/HTMLIFrameElement.h"
#include "dom/HTMLImageElement.h"
#include "dom/HTMLInputElement.h"
#include "dom/HTMLMapElement.h"
#include "dom/HTMLObjectElement.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLScriptElement.h"
#include "dom/HTMLSelectElement.h"
#include "dom/HTMLTableCaptionElement.h"
#include "dom/HTMLTableCellElement.h"
#include "dom/HTMLTableElement.h"
#include "dom/HTMLTableRowElement.h"
#include "dom/HTMLTableSectionElement.h"
#include "dom/HTMLTextAreaElement.h"
#include "dom/Namespace.h"
#include "dom/XULElement.h"

namespace geckohost::dom {

namespace {

using Maker = Element* (*)(Document&, std::u16string_view);

template <class T>
Element* make(Document& document, std::u16string_view) {
  return new T(document);
}

template <class T>
Element* makeNamed(Document& document, std::u16string_view localName) {
  return new T(document, localName);
}

struct TagClass {
  std::u16string_view tag;
  Maker maker;
};

constexpr TagClass kHTMLTagClasses[] = {
    {u"a", make<HTMLAnchorElement>},
    {u"applet", make<HTMLAppletElement>},
    {u"area", make<HTMLAreaElement>},
    {u"body", make<HTMLBodyElement>},
    {u"button", make<HTMLButtonElement>},
    {u"caption", make<HTMLTableCaptionElement>},
    {u"embed", make<HTMLEmbedElement>},
    {u"form", make<HTMLFormElement>},
    {u"frame", make<HTMLFrameElement>},
    {u"frameset", make<HTMLFrameSetElement>},
    {u"html", make<HTMLHtmlElement>},
    {u"iframe", make<HTMLIFrameElement>},
    {u"img", make<HTMLImageElement>},
    {u"input", make<HTMLInputElement>},
    {u"map", make<HTMLMapElement>},
    {u"object", make<HTMLObjectElement>},
    {u"option", make<HTMLOptionElement>},
    {u"script", make<HTMLScriptElement>},
    {u"select", make<HTMLSelectElement>},
    {u"table", make<HTMLTableElement>},
    {u"tbody", makeNamed<HTMLTableSectionElement>},
    {u"td", makeNamed<HTMLTableCellElement>},
    {u"textarea", make<HTMLTextAreaElement>},
    {u"tfoot", makeNamed<HTMLTableSectionElement>},
    {u"th", makeNamed<HTMLTableCellElement>},
    {u"thead", makeNamed<HTMLTableSectionElement>},
    {u"tr", make<HTMLTableRowElement>},
};

}  // namespace

RefPtr<Element> ElementFactory::create(Document& document, std::u16string_view namespaceURI,
                                       std::u16string_view prefix, std::u16string_view localName) {
  switch (namespaceFromURI(namespaceURI)) {
    case Namespace::HTML: {
      RefPtr<Element> element = createHTML(document, localName);
      element->setPrefix(prefix);  // html:input in a XUL file is an HTML input all the same
      return element;
    }
    case Namespace::XUL:
      return new XULElement(document, prefix, localName);
    default:
      return new Element(document, namespaceURI, prefix, localName);
  }
}

RefPtr<Element> ElementFactory::createHTML(Document& document, std::u16string_view localName) {
  for (const auto& entry : kHTMLTagClasses) {
    if (entry.tag == localName)
      return entry.maker(document, localName);
  }
  return new HTMLElement(document, localName);
}

}  // namespace geckohost::dom
