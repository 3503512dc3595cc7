#include "parser/HTMLParser.h"

#include <gumbo.h>

#include <string>

#include "dom/DOMStrings.h"
#include "dom/DocumentFragment.h"
#include "dom/Element.h"
#include "dom/HTMLDocument.h"
#include "dom/HTMLScriptElement.h"
#include "parser/GumboTreeConverter.h"

namespace geckohost::parser {

namespace {

// Owns gumbo's output for the length of a parse; `markup` must live as long.
class GumboParse {
 public:
  GumboParse(const GumboOptions& options, std::string_view markup)
      : mOptions(options),
        mOutput(gumbo_parse_with_options(&mOptions, markup.data(), markup.size())) {}
  ~GumboParse() { gumbo_destroy_output(&mOptions, mOutput); }
  GumboParse(const GumboParse&) = delete;
  GumboParse& operator=(const GumboParse&) = delete;

  const GumboOutput& output() const { return *mOutput; }

 private:
  GumboOptions mOptions;
  GumboOutput* mOutput;
};

GumboNamespaceEnum gumboNamespaceOf(const dom::Element& element) {
  switch (element.ns()) {
    case dom::Namespace::SVG:
      return GUMBO_NAMESPACE_SVG;
    case dom::Namespace::MathML:
      return GUMBO_NAMESPACE_MATHML;
    default:
      return GUMBO_NAMESPACE_HTML;
  }
}

// The context tag gumbo parses a fragment for. Tags gumbo does not know parse as in a div,
// which is how the HTML fragment algorithm treats any ordinary element.
GumboTag gumboContextTag(const dom::Element& context) {
  std::string name = dom::utf16ToUTF8(context.localName());
  GumboTag tag = gumbo_tagn_enum(name.data(), unsigned(name.size()));
  return tag == GUMBO_TAG_UNKNOWN ? GUMBO_TAG_DIV : tag;
}

}  // namespace

RefPtr<dom::HTMLDocument> HTMLParser::parseDocument(std::string_view markup, const net::URI& url) {
  RefPtr<dom::HTMLDocument> document = dom::HTMLDocument::create(url);
  document->setReadyState(dom::ReadyState::Loading);
  GumboParse parse(kGumboDefaultOptions, markup);
  const GumboDocument& source = parse.output().document->v.document;
  document->setQuirksMode(source.doc_type_quirks_mode != GUMBO_DOCTYPE_NO_QUIRKS);
  GumboTreeConverter converter(*document);
  converter.appendDoctype(source);
  converter.appendChildren(source.children, *document);
  document->setReadyState(dom::ReadyState::Interactive);
  return document;
}

RefPtr<dom::DocumentFragment> HTMLParser::parseFragment(dom::Element& context,
                                                        std::u16string_view markup) {
  dom::Document* document = context.ownerDocument();
  if (!document)
    return nullptr;
  GumboOptions options = kGumboDefaultOptions;
  options.fragment_context = gumboContextTag(context);
  options.fragment_namespace = gumboNamespaceOf(context);
  // Gumbo's tree points into the text it parsed, so the text must outlive the parse.
  std::string text = dom::utf16ToUTF8(markup);
  GumboParse parse(options, text);
  // Gumbo hangs a fragment's nodes below a root html element of its own.
  const GumboNode& root = *parse.output().root;
  RefPtr<dom::DocumentFragment> fragment = document->createDocumentFragment();
  GumboTreeConverter(*document).appendChildren(root.v.element.children, *fragment);
  // Scripts that arrive through innerHTML never run, in Gecko as in HTML5.
  for (dom::Node* node = fragment->firstChild(); node;
       node = node->nextInTreeOrder(fragment.get())) {
    if (node->isElement() && static_cast<dom::Element*>(node)->isHTML(u"script")) {
      static_cast<dom::HTMLScriptElement*>(node)->markStarted();
    }
  }
  return fragment;
}

}  // namespace geckohost::parser
