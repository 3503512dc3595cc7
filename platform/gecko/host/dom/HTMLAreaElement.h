// <area>: one region of an image map; its link behaviour is the hyperlink base's.
#ifndef GECKOHOST_DOM_HTMLAREAELEMENT_H
#define GECKOHOST_DOM_HTMLAREAELEMENT_H

#include "dom/HTMLHyperlinkElement.h"

namespace geckohost::dom {

class HTMLAreaElement final : public HTMLHyperlinkElement {
 public:
  explicit HTMLAreaElement(Document& document) : HTMLHyperlinkElement(document, u"area") {}

  // An area with nohref is a hole in the map, not a link.
  bool noHref() const { return boolAttribute(u"nohref"); }
};

}  // namespace geckohost::dom

#endif
