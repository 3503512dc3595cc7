#include "DocumentFaces.h"

#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLDocument.h"
#include "dom/XULDocument.h"
#include "net/URI.h"
#include "net/URIObject.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDocument.h"
#include "nsIURI.h"
#include "parser/HTMLParser.h"
#include "parser/XULParser.h"

namespace geckohost::faces {

// Interfaces are asked of the node itself, so that the pointer is the one the DOM hands out
// everywhere (a node has one interface chain, that of its most derived class).
nsCOMPtr<nsIDOMDocument> domDocument(dom::Document* document) {
  nsCOMPtr<nsIDOMDocument> face;
  if (document)
    face = do_QueryInterface(document->asDOMNode());
  return face;
}

nsIDocument* geckoDocument(dom::Document* document) {
  return document ? document->asIDocument() : nullptr;
}

nsCOMPtr<nsIDOMElement> domElement(dom::Element* element) {
  nsCOMPtr<nsIDOMElement> face;
  if (element)
    face = do_QueryInterface(element->asDOMNode());
  return face;
}

dom::Element* element(nsISupports* object) {
  dom::Node* node = dom::Node::fromDOM(object);
  return node && node->isElement() ? static_cast<dom::Element*>(node) : nullptr;
}

dom::Document* document(nsISupports* object) {
  dom::Node* node = dom::Node::fromDOM(object);
  return node && node->nodeType() == dom::NodeType::Document ? static_cast<dom::Document*>(node)
                                                             : nullptr;
}

nsCOMPtr<nsIURI> uri(const std::string& spec) {
  std::optional<net::URI> parsed = net::URI::parse(spec);
  if (!parsed)
    return nullptr;
  return new net::URIObject(*parsed);
}

RefPtr<dom::Document> parse(const LoadedPage& page) {
  std::optional<net::URI> url = net::URI::parse(page.url);
  if (!url)
    url = net::URI::parse("about:blank");
  if (page.contentType == PageLoader::kXulType) {
    return RefPtr<dom::Document>(parser::XULParser::parseDocument(page.content, *url));
  }
  return RefPtr<dom::Document>(parser::HTMLParser::parseDocument(page.content, *url));
}

}  // namespace geckohost::faces
