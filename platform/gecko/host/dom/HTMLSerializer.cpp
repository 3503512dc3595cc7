#include "dom/HTMLSerializer.h"

#include <initializer_list>

#include "dom/CharacterData.h"
#include "dom/DocumentType.h"
#include "dom/Element.h"
#include "dom/ProcessingInstruction.h"

namespace geckohost::dom {

namespace {

bool isOneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view candidate : names) {
    if (name == candidate)
      return true;
  }
  return false;
}

// Elements that have no end tag and whose children are not serialised.
bool isVoidElement(const Element& element) {
  return element.isHTML() &&
         isOneOf(element.localName(), {u"area", u"base", u"basefont", u"bgsound", u"br", u"col",
                                       u"embed", u"frame", u"hr", u"img", u"input", u"keygen",
                                       u"link", u"meta", u"param", u"source", u"track", u"wbr"});
}

// Elements whose text children are written as they are, without escaping.
bool holdsRawText(const Node* parent) {
  if (!parent || !parent->isElement())
    return false;
  const auto& element = static_cast<const Element&>(*parent);
  return element.isHTML() &&
         isOneOf(element.localName(), {u"style", u"script", u"xmp", u"iframe", u"noembed",
                                       u"noframes", u"plaintext", u"noscript"});
}

// The name an element is written with: the local name for HTML, SVG and MathML elements,
// the qualified name for others.
std::u16string serialisedName(const Element& element) {
  switch (element.ns()) {
    case Namespace::HTML:
    case Namespace::SVG:
    case Namespace::MathML:
      return element.localName();
    default:
      return element.qualifiedName();
  }
}

std::u16string serialisedAttributeName(const Attr& attr) {
  switch (attr.ns()) {
    case Namespace::None:
      return attr.localName();
    case Namespace::XML:
      return u"xml:" + attr.localName();
    case Namespace::XLink:
      return u"xlink:" + attr.localName();
    case Namespace::XMLNS:
      return attr.localName() == u"xmlns" ? attr.localName() : u"xmlns:" + attr.localName();
    default:
      return attr.qualifiedName();
  }
}

}  // namespace

std::u16string HTMLSerializer::serializeChildren(const Node& node) {
  HTMLSerializer serializer;
  serializer.appendChildren(node);
  return std::move(serializer.mOut);
}

std::u16string HTMLSerializer::serializeNode(const Node& node) {
  HTMLSerializer serializer;
  serializer.appendNode(node);
  return std::move(serializer.mOut);
}

void HTMLSerializer::appendChildren(const Node& root) {
  if (root.isElement() && isVoidElement(static_cast<const Element&>(root)))
    return;
  const Node* node = root.firstChild();
  while (node) {
    if (appendStart(*node)) {
      if (const Node* child = node->firstChild()) {
        node = child;
        continue;
      }
      appendEnd(*node);
    }
    // Up to the nearest node with a next sibling, leaving (and closing) each parent passed.
    while (!node->nextSibling()) {
      node = node->parentNode();
      if (!node || node == &root)
        return;
      appendEnd(*node);
    }
    node = node->nextSibling();
  }
}

void HTMLSerializer::appendNode(const Node& node) {
  if (appendStart(node)) {
    appendChildren(node);
    appendEnd(node);
  }
}

bool HTMLSerializer::appendStart(const Node& node) {
  switch (node.nodeType()) {
    case NodeType::Element: {
      const auto& element = static_cast<const Element&>(node);
      appendStartTag(element);
      return !isVoidElement(element);
    }
    case NodeType::Text:
    case NodeType::CDATASection:
      appendText(node);
      return false;
    case NodeType::Comment:
      mOut += u"<!--" + static_cast<const CharacterData&>(node).data() + u"-->";
      return false;
    case NodeType::ProcessingInstruction: {
      const auto& pi = static_cast<const ProcessingInstruction&>(node);
      mOut += u"<?" + pi.target() + u" " + pi.data() + u">";
      return false;
    }
    case NodeType::DocumentType:
      mOut += u"<!DOCTYPE " + static_cast<const DocumentType&>(node).name() + u">";
      return false;
    case NodeType::Document:
    case NodeType::DocumentFragment:
      return true;
    case NodeType::Attribute:
      break;
  }
  return false;
}

void HTMLSerializer::appendEnd(const Node& node) {
  if (node.isElement())
    mOut += u"</" + serialisedName(static_cast<const Element&>(node)) + u">";
}

void HTMLSerializer::appendStartTag(const Element& element) {
  mOut += u"<" + serialisedName(element);
  for (uint32_t i = 0; i < element.attributeCount(); ++i) {
    const Attr& attr = *element.attributeAt(i);
    mOut += u" " + serialisedAttributeName(attr) + u"=\"";
    appendEscaped(attr.value(), true);
    mOut += u"\"";
  }
  mOut += u">";
  if (isVoidElement(element))
    return;
  // The parser drops a line feed right after these start tags, so one that belongs to the
  // content must be written twice to survive a round trip.
  if (element.isHTML() && isOneOf(element.localName(), {u"pre", u"textarea", u"listing"})) {
    Node* first = element.firstChild();
    if (first && first->isText() && !static_cast<CharacterData*>(first)->data().empty() &&
        static_cast<CharacterData*>(first)->data()[0] == '\n') {
      mOut += u"\n";
    }
  }
}

void HTMLSerializer::appendText(const Node& text) {
  const std::u16string& data = static_cast<const CharacterData&>(text).data();
  if (holdsRawText(text.parentNode())) {
    mOut += data;
  } else {
    appendEscaped(data, false);
  }
}

void HTMLSerializer::appendEscaped(std::u16string_view text, bool inAttribute) {
  for (char16_t c : text) {
    switch (c) {
      case '&':
        mOut += u"&amp;";
        break;
      case 0xA0:
        mOut += u"&nbsp;";
        break;
      case '"':
        mOut += inAttribute ? u"&quot;" : u"\"";
        break;
      case '<':
        mOut += inAttribute ? u"<" : u"&lt;";
        break;
      case '>':
        mOut += inAttribute ? u">" : u"&gt;";
        break;
      default:
        mOut += c;
    }
  }
}

}  // namespace geckohost::dom
