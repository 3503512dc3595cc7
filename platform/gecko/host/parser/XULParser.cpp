#include "parser/XULParser.h"

#include <pugixml.hpp>

#include "dom/XULDocument.h"
#include "parser/PugiTreeConverter.h"

namespace geckohost::parser {

RefPtr<dom::XULDocument> XULParser::parseDocument(std::string_view xml, const net::URI& url,
                                                  std::string* error) {
  pugi::xml_document source;
  unsigned options =
      pugi::parse_default | pugi::parse_pi | pugi::parse_comments | pugi::parse_doctype;
  pugi::xml_parse_result result = source.load_buffer(xml.data(), xml.size(), options);
  if (!result) {
    if (error)
      *error = std::string(result.description()) + " at offset " + std::to_string(result.offset);
    return nullptr;
  }
  RefPtr<dom::XULDocument> document = dom::XULDocument::create(url);
  document->setReadyState(dom::ReadyState::Loading);
  PugiTreeConverter(*document).appendChildren(source, *document);
  document->setReadyState(dom::ReadyState::Interactive);
  return document;
}

}  // namespace geckohost::parser
