// <a>: a link (with href) or a named anchor (with name).
#ifndef GECKOHOST_DOM_HTMLANCHORELEMENT_H
#define GECKOHOST_DOM_HTMLANCHORELEMENT_H

#include "dom/HTMLHyperlinkElement.h"

namespace geckohost::dom {

class HTMLAnchorElement final : public HTMLHyperlinkElement {
 public:
  explicit HTMLAnchorElement(Document& document) : HTMLHyperlinkElement(document, u"a") {}

  // The link's text: the text of all its descendants, as written.
  std::u16string text() const { return *textContent(); }
};

}  // namespace geckohost::dom

#endif
