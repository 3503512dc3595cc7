// Makes the element object for a name: the per-tag class for HTML tags that have one
// (input -> HTMLInputElement), HTMLElement for the other HTML tags, XULElement for XUL, and a
// plain Element for SVG, MathML and anything else, which do not count as HTML elements.
#ifndef GECKOHOST_DOM_ELEMENTFACTORY_H
#define GECKOHOST_DOM_ELEMENTFACTORY_H

#include <string_view>

#include "dom/RefPtr.h"

namespace geckohost::dom {

class Document;
class Element;

class ElementFactory {
 public:
  // `localName` is taken as given: callers fold HTML names to lower case first.
  static RefPtr<Element> create(Document& document, std::u16string_view namespaceURI,
                                std::u16string_view prefix, std::u16string_view localName);

 private:
  static RefPtr<Element> createHTML(Document& document, std::u16string_view localName);
};

}  // namespace geckohost::dom

#endif
