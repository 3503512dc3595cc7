#include "parser/GumboTreeConverter.h"

#include <string>
#include <utility>
#include <vector>

#include "dom/Comment.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/DocumentType.h"
#include "dom/Element.h"
#include "dom/Namespace.h"
#include "dom/Text.h"

namespace geckohost::parser {

namespace {

std::u16string_view namespaceOf(GumboNamespaceEnum ns) {
  switch (ns) {
    case GUMBO_NAMESPACE_SVG:
      return dom::kSVGNamespaceURI;
    case GUMBO_NAMESPACE_MATHML:
      return dom::kMathMLNamespaceURI;
    case GUMBO_NAMESPACE_HTML:
      break;
  }
  return dom::kHTMLNamespaceURI;
}

// The element's local name: gumbo's normalised name for tags it knows, the lower-cased source
// name for others ("<My-Widget>" -> "my-widget"), with SVG's mixed-case names restored.
std::u16string localNameOf(const GumboElement& source) {
  std::string name;
  GumboStringPiece original = source.original_tag;
  // Gumbo gives the whole start tag ("<my-widget a=1>") for tags from the source; elements it
  // made itself (an implied tbody) have none.
  if (original.length > 0 && original.data[0] == '<')
    gumbo_tag_from_original_text(&original);
  if (source.tag != GUMBO_TAG_UNKNOWN) {
    name = gumbo_normalized_tagname(source.tag);
  } else {
    name.assign(original.data, original.length);
    for (char& c : name)
      c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  if (source.tag_namespace == GUMBO_NAMESPACE_SVG && original.length > 0) {
    if (const char* adjusted = gumbo_normalize_svg_tagname(&original))
      name = adjusted;
  }
  return dom::utf8ToUTF16(name);
}

void appendAttributes(const GumboElement& source, dom::Element& target) {
  for (unsigned i = 0; i < source.attributes.length; ++i) {
    const auto* attr = static_cast<const GumboAttribute*>(source.attributes.data[i]);
    std::u16string name = dom::utf8ToUTF16(attr->name);
    std::u16string value = dom::utf8ToUTF16(attr->value);
    switch (attr->attr_namespace) {
      case GUMBO_ATTR_NAMESPACE_NONE:
        target.appendParsedAttribute(u"", u"", name, value);
        break;
      case GUMBO_ATTR_NAMESPACE_XLINK:
        target.appendParsedAttribute(dom::kXLinkNamespaceURI, u"xlink", name, value);
        break;
      case GUMBO_ATTR_NAMESPACE_XML:
        target.appendParsedAttribute(dom::kXMLNamespaceURI, u"xml", name, value);
        break;
      case GUMBO_ATTR_NAMESPACE_XMLNS:
        target.appendParsedAttribute(dom::kXMLNSNamespaceURI, name == u"xmlns" ? u"" : u"xmlns",
                                     name, value);
        break;
    }
  }
}

}  // namespace

void GumboTreeConverter::appendDoctype(const GumboDocument& source) {
  if (!source.has_doctype)
    return;
  RefPtr<dom::DocumentType> doctype = new dom::DocumentType(
      mDocument, dom::utf8ToUTF16(source.name), dom::utf8ToUTF16(source.public_identifier),
      dom::utf8ToUTF16(source.system_identifier));
  mDocument.appendChild(*doctype);
}

// Walks with an explicit stack: pages nest deeply enough that recursion is not worth the risk.
void GumboTreeConverter::appendChildren(const GumboVector& children, dom::Node& target) {
  struct Pending {
    const GumboVector* children;
    unsigned next;
    dom::Node* parent;  // weak: held by its own parent, up to `target`
  };
  const dom::Node::TreePlace place{target.treeDocument(), target.isInDocument()};
  std::vector<Pending> stack{{&children, 0, &target}};
  while (!stack.empty()) {
    Pending& top = stack.back();
    if (top.next == top.children->length) {
      stack.pop_back();
      continue;
    }
    const auto* source = static_cast<const GumboNode*>(top.children->data[top.next++]);
    RefPtr<dom::Node> node = convert(*source);
    if (!node)
      continue;
    dom::Node* parent = top.parent;
    parent->appendParsedChild(*node, place);
    bool hasChildren = source->type == GUMBO_NODE_ELEMENT || source->type == GUMBO_NODE_TEMPLATE;
    if (hasChildren)
      stack.push_back({&source->v.element.children, 0, node.get()});
  }
}

RefPtr<dom::Node> GumboTreeConverter::convert(const GumboNode& source) {
  switch (source.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
      return convertElement(source.v.element);
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    // In HTML, CDATA sections of foreign content become plain text, as HTML5 parsers make them.
    case GUMBO_NODE_CDATA:
      return mDocument.createTextNode(dom::utf8ToUTF16(source.v.text.text));
    case GUMBO_NODE_COMMENT:
      return mDocument.createComment(dom::utf8ToUTF16(source.v.text.text));
    case GUMBO_NODE_DOCUMENT:
      break;
  }
  return nullptr;
}

RefPtr<dom::Element> GumboTreeConverter::convertElement(const GumboElement& source) {
  RefPtr<dom::Element> element =
      mDocument.createElementUnchecked(namespaceOf(source.tag_namespace), u"", localNameOf(source));
  appendAttributes(source, *element);
  return element;
}

}  // namespace geckohost::parser
