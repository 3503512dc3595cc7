// Copies a tree that gumbo built into the host's DOM, below a given parent node.
#ifndef GECKOHOST_PARSER_GUMBOTREECONVERTER_H
#define GECKOHOST_PARSER_GUMBOTREECONVERTER_H

#include <gumbo.h>

#include "dom/RefPtr.h"

namespace geckohost::dom {
class Document;
class Element;
class Node;
}  // namespace geckohost::dom

namespace geckohost::parser {

class GumboTreeConverter {
 public:
  explicit GumboTreeConverter(dom::Document& document) : mDocument(document) {}

  // Appends copies of `source`'s children (and their subtrees) to `target`, in order.
  void appendChildren(const GumboVector& children, dom::Node& target);

  // The doctype gumbo found, appended to the document; nothing when there was none.
  void appendDoctype(const GumboDocument& source);

 private:
  RefPtr<dom::Node> convert(const GumboNode& source);
  RefPtr<dom::Element> convertElement(const GumboElement& source);

  dom::Document& mDocument;
};

}  // namespace geckohost::parser

#endif
