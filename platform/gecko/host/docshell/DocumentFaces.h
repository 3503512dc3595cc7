// Where the shells meet the DOM's XPCOM surface and its parsers: the interface objects of
// documents and elements, the plain objects behind interface pointers, and turning a loaded
// page into a document.
#ifndef GECKOHOST_DOCSHELL_DOCUMENTFACES_H
#define GECKOHOST_DOCSHELL_DOCUMENTFACES_H

#include <string>

#include "PageLoader.h"
#include "dom/RefPtr.h"
#include "nsCOMPtr.h"

class nsIDOMDocument;
class nsIDOMElement;
class nsIDocument;
class nsIURI;

namespace geckohost {

namespace dom {
class Document;
class Element;
}  // namespace dom

namespace faces {

// The document as script and the product see it; null for null.
nsCOMPtr<nsIDOMDocument> domDocument(dom::Document* document);
// The document's nsIDocument side (weak; it lives as long as the document).
nsIDocument* geckoDocument(dom::Document* document);
nsCOMPtr<nsIDOMElement> domElement(dom::Element* element);
// The host element behind an interface pointer; null when it is none of ours.
dom::Element* element(nsISupports* object);
dom::Document* document(nsISupports* object);
nsCOMPtr<nsIURI> uri(const std::string& spec);

// A new document for a loaded page: HTML parsed with the HTML parser, XUL with the XUL
// parser; its URL is the page's.
RefPtr<dom::Document> parse(const LoadedPage& page);

}  // namespace faces
}  // namespace geckohost

#endif
