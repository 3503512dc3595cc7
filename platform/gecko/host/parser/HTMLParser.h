// Parses HTML with gumbo (a complete HTML5 parser) into the host's DOM: pages into documents,
// innerHTML markup into fragments. Everything gumbo builds is kept: the doctype, comments,
// white-space text, elements of SVG and MathML in their namespaces, attributes in source
// order. Tag names are gumbo's normalised names (lower case; SVG's camel-cased ones such as
// foreignObject restored).
//
//   RefPtr<dom::HTMLDocument> page =
//       HTMLParser::parseDocument("<title>T</title><p>x", *net::URI::parse("file:///t.html"));
//   page->title()  -> u"T"; the body holds the p.
#ifndef GECKOHOST_PARSER_HTMLPARSER_H
#define GECKOHOST_PARSER_HTMLPARSER_H

#include <string_view>

#include "dom/RefPtr.h"
#include "net/URI.h"

namespace geckohost::dom {
class DocumentFragment;
class Element;
class HTMLDocument;
}  // namespace geckohost::dom

namespace geckohost::parser {

class HTMLParser {
 public:
  // A new document at `url` holding the page (UTF-8). Its ready state is "interactive":
  // parsing is done, the load is not (the shell moves it to "complete").
  static RefPtr<dom::HTMLDocument> parseDocument(std::string_view markup, const net::URI& url);

  // The nodes that `markup` makes as children of `context` (fragment parsing: "<td>" inside a
  // tr context makes a cell, inside a div nothing), owned by context's document.
  static RefPtr<dom::DocumentFragment> parseFragment(dom::Element& context,
                                                     std::u16string_view markup);
};

}  // namespace geckohost::parser

#endif
