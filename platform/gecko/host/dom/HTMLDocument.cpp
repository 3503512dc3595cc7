#include "dom/HTMLDocument.h"

#include "dom/CookieJar.h"
#include "dom/DOMStrings.h"
#include "dom/ElementList.h"
#include "dom/HTMLElement.h"
#include "dom/MutationBatch.h"

namespace geckohost::dom {

RefPtr<HTMLDocument> HTMLDocument::create(const net::URI& url) {
  return new HTMLDocument(url);
}

std::u16string_view HTMLDocument::compatMode() const {
  return mQuirksMode ? u"BackCompat" : u"CSS1Compat";
}

Element* HTMLDocument::head() const {
  Element* root = documentElement();
  if (!root)
    return nullptr;
  for (Element* child = root->firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"head"))
      return child;
  }
  return nullptr;
}

HTMLElement* HTMLDocument::body() const {
  Element* root = documentElement();
  if (!root)
    return nullptr;
  for (Element* child = root->firstElementChild(); child; child = child->nextElementSibling()) {
    if (child->isHTML(u"body") || child->isHTML(u"frameset")) {
      return static_cast<HTMLElement*>(child);
    }
  }
  return nullptr;
}

RefPtr<ElementList> HTMLDocument::getElementsByName(std::u16string_view name) {
  return new ElementList(*this, [name = std::u16string(name)](const Element& element) {
    const std::u16string* value = element.attributeValue(u"name");
    return element.isHTML() && value && *value == name;
  });
}

RefPtr<ElementList> HTMLDocument::htmlElementsWhere(std::u16string_view localName,
                                                    std::u16string_view requiredAttribute) {
  return new ElementList(
      *this, [name = std::u16string(localName),
              attribute = std::u16string(requiredAttribute)](const Element& element) {
        return element.isHTML(name) && (attribute.empty() || element.attributeValue(attribute));
      });
}

RefPtr<ElementList> HTMLDocument::images() {
  return htmlElementsWhere(u"img", u"");
}

RefPtr<ElementList> HTMLDocument::links() {
  return new ElementList(*this, [](const Element& element) {
    return (element.isHTML(u"a") || element.isHTML(u"area")) && element.attributeValue(u"href");
  });
}

RefPtr<ElementList> HTMLDocument::forms() {
  return htmlElementsWhere(u"form", u"");
}

RefPtr<ElementList> HTMLDocument::anchors() {
  return htmlElementsWhere(u"a", u"name");
}

RefPtr<ElementList> HTMLDocument::applets() {
  return htmlElementsWhere(u"applet", u"");
}

RefPtr<ElementList> HTMLDocument::embeds() {
  return htmlElementsWhere(u"embed", u"");
}

std::u16string HTMLDocument::cookie() const {
  CookieJar* jar = CookieJar::installed();
  return jar ? jar->cookieStringFor(url()) : std::u16string();
}

void HTMLDocument::setCookie(std::u16string_view cookie) {
  if (CookieJar* jar = CookieJar::installed())
    jar->setCookieStringFor(url(), cookie);
}

std::u16string HTMLDocument::domain() const {
  return utf8ToUTF16(url().host());
}

Element* HTMLDocument::firstHTMLElement(std::u16string_view localName) const {
  for (Node* node = firstChild(); node; node = node->nextInTreeOrder(this)) {
    if (node->isElement() && static_cast<Element*>(node)->isHTML(localName)) {
      return static_cast<Element*>(node);
    }
  }
  return nullptr;
}

std::u16string HTMLDocument::title() const {
  Element* title = firstHTMLElement(u"title");
  return title ? stripAndCollapseWhitespace(*title->textContent()) : std::u16string();
}

void HTMLDocument::setTitle(std::u16string_view text) {
  MutationBatch batch(this);
  RefPtr<Element> title = firstHTMLElement(u"title");
  if (!title) {
    Element* headElement = head();
    if (!headElement)
      return;
    title = createElementUnchecked(kHTMLNamespaceURI, u"", u"title");
    headElement->appendChild(*title);
  }
  title->setTextContent(text);
}

net::URI HTMLDocument::baseURL() const {
  // Every link's href resolves against this: the base elements come from the tag-name index,
  // which walks the tree once per change of it, not once per question.
  auto& self = const_cast<HTMLDocument&>(*this);
  for (Element* element : self.elementsByTagName(u"base")) {
    if (!element->isHTML(u"base"))
      continue;
    const std::u16string* href = element->attributeValue(u"href");
    if (!href)
      continue;
    std::optional<net::URI> base = url().resolve(utf16ToUTF8(*href));
    return base ? *base : url();
  }
  return url();
}

Element* HTMLDocument::activeElement() const {
  return focusedElement() ? focusedElement() : body();
}

}  // namespace geckohost::dom
