#include "parser/PugiTreeConverter.h"

#include <cstring>

#include "dom/CDATASection.h"
#include "dom/Comment.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/DocumentFragment.h"
#include "dom/DocumentType.h"
#include "dom/Element.h"
#include "dom/Namespace.h"
#include "dom/ProcessingInstruction.h"
#include "dom/Text.h"

namespace geckohost::parser {

namespace {

constexpr std::u16string_view kXBLNamespaceURI = u"http://www.mozilla.org/xbl";

bool isWhitespaceOnly(const char* text) {
  for (; *text; ++text) {
    if (!std::strchr(" \t\r\n", *text))
      return false;
  }
  return true;
}

// "window SYSTEM \"chrome://...\"" -> "window".
std::u16string doctypeName(const char* value) {
  std::string name(value);
  name = name.substr(0, name.find_first_of(" \t\r\n["));
  return dom::utf8ToUTF16(name);
}

}  // namespace

void PugiTreeConverter::appendChildren(const pugi::xml_node& source, dom::Node& target) {
  for (pugi::xml_node child = source.first_child(); child; child = child.next_sibling()) {
    appendNode(child, target);
  }
}

void PugiTreeConverter::appendNode(const pugi::xml_node& source, dom::Node& target) {
  switch (source.type()) {
    case pugi::node_element:
      appendElement(source, target);
      break;
    case pugi::node_pcdata:
      if (!isWhitespaceOnly(source.value())) {
        target.appendChild(*mDocument.createTextNode(dom::utf8ToUTF16(source.value())));
      }
      break;
    case pugi::node_cdata: {
      dom::DOMError error;
      target.appendChild(*mDocument.createCDATASection(dom::utf8ToUTF16(source.value()), error));
      break;
    }
    case pugi::node_comment:
      target.appendChild(*mDocument.createComment(dom::utf8ToUTF16(source.value())));
      break;
    case pugi::node_pi: {
      RefPtr<dom::ProcessingInstruction> pi = new dom::ProcessingInstruction(
          mDocument, dom::utf8ToUTF16(source.name()), dom::utf8ToUTF16(source.value()));
      target.appendChild(*pi);
      break;
    }
    case pugi::node_doctype: {
      RefPtr<dom::DocumentType> doctype =
          new dom::DocumentType(mDocument, doctypeName(source.value()), u"", u"");
      target.appendChild(*doctype);
      break;
    }
    default:
      break;
  }
}

PugiTreeConverter::Scope PugiTreeConverter::scopeFor(const pugi::xml_node& element) const {
  Scope scope =
      mScopes.empty() ? Scope{{u"", std::u16string(dom::kXULNamespaceURI)}} : mScopes.back();
  for (pugi::xml_attribute attr = element.first_attribute(); attr; attr = attr.next_attribute()) {
    std::u16string name = dom::utf8ToUTF16(attr.name());
    if (name == u"xmlns")
      scope[u""] = dom::utf8ToUTF16(attr.value());
    if (name.rfind(u"xmlns:", 0) == 0)
      scope[name.substr(6)] = dom::utf8ToUTF16(attr.value());
  }
  return scope;
}

std::u16string PugiTreeConverter::resolve(const std::u16string& prefix) const {
  const Scope& scope = mScopes.back();
  auto found = scope.find(prefix);
  return found == scope.end() ? std::u16string() : found->second;
}

void PugiTreeConverter::appendElement(const pugi::xml_node& source, dom::Node& target) {
  mScopes.push_back(scopeFor(source));
  std::u16string prefix, localName;
  dom::splitQualifiedName(dom::utf8ToUTF16(source.name()), prefix, localName);
  std::u16string namespaceURI = resolve(prefix);

  if (namespaceURI == kXBLNamespaceURI && localName == u"content" && target.isElement()) {
    // The children are the holder's anonymous content: build them apart, then hand them over.
    RefPtr<dom::Node> holder = mDocument.createDocumentFragment();
    appendChildren(source, *holder);
    while (dom::Node* child = holder->firstChild()) {
      static_cast<dom::Element&>(target).appendAnonymousChild(*child);
    }
  } else {
    RefPtr<dom::Element> element =
        mDocument.createElementUnchecked(namespaceURI, prefix, localName);
    appendAttributes(source, *element);
    target.appendChild(*element);
    appendChildren(source, *element);
  }
  mScopes.pop_back();
}

void PugiTreeConverter::appendAttributes(const pugi::xml_node& source, dom::Element& element) {
  for (pugi::xml_attribute attr = source.first_attribute(); attr; attr = attr.next_attribute()) {
    std::u16string prefix, localName;
    std::u16string name = dom::utf8ToUTF16(attr.name());
    dom::splitQualifiedName(name, prefix, localName);
    std::u16string namespaceURI;
    if (name == u"xmlns" || prefix == u"xmlns") {
      namespaceURI = dom::kXMLNSNamespaceURI;
    } else if (prefix == u"xml") {
      namespaceURI = dom::kXMLNamespaceURI;
    } else if (!prefix.empty()) {
      namespaceURI = resolve(prefix);
    }
    element.appendParsedAttribute(namespaceURI, prefix, localName, dom::utf8ToUTF16(attr.value()));
  }
}

}  // namespace geckohost::parser
