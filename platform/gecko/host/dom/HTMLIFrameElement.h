// <iframe>: an inline frame showing its own document within the page's flow.
#ifndef GECKOHOST_DOM_HTMLIFRAMEELEMENT_H
#define GECKOHOST_DOM_HTMLIFRAMEELEMENT_H

#include "dom/HTMLFrameOwnerElement.h"

namespace geckohost::dom {

class HTMLIFrameElement final : public HTMLFrameOwnerElement {
 public:
  explicit HTMLIFrameElement(Document& document) : HTMLFrameOwnerElement(document, u"iframe") {}

  std::u16string src() const { return urlAttribute(u"src"); }
};

}  // namespace geckohost::dom

#endif
