// Copies a pugixml tree into a XUL document, resolving namespace prefixes as it goes.
#ifndef GECKOHOST_PARSER_PUGITREECONVERTER_H
#define GECKOHOST_PARSER_PUGITREECONVERTER_H

#include <pugixml.hpp>

#include <map>
#include <string>
#include <vector>

namespace geckohost::dom {
class Document;
class Element;
class Node;
}  // namespace geckohost::dom

namespace geckohost::parser {

class PugiTreeConverter {
 public:
  explicit PugiTreeConverter(dom::Document& document) : mDocument(document) {}

  // Appends copies of `source`'s children to `target`.
  void appendChildren(const pugi::xml_node& source, dom::Node& target);

 private:
  // Prefix -> namespace URI; "" is the default namespace.
  using Scope = std::map<std::u16string, std::u16string>;

  void appendNode(const pugi::xml_node& source, dom::Node& target);
  void appendElement(const pugi::xml_node& source, dom::Node& target);
  void appendAttributes(const pugi::xml_node& source, dom::Element& element);
  Scope scopeFor(const pugi::xml_node& element) const;
  std::u16string resolve(const std::u16string& prefix) const;

  dom::Document& mDocument;
  std::vector<Scope> mScopes;
};

}  // namespace geckohost::parser

#endif
