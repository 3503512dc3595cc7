// <map>: a named image map whose regions are its area descendants.
#ifndef GECKOHOST_DOM_HTMLMAPELEMENT_H
#define GECKOHOST_DOM_HTMLMAPELEMENT_H

#include "dom/HTMLElement.h"

namespace geckohost::dom {

class HTMLMapElement final : public HTMLElement {
 public:
  explicit HTMLMapElement(Document& document) : HTMLElement(document, u"map") {}

  // Live list of the area elements inside the map.
  RefPtr<ElementList> areas();
};

}  // namespace geckohost::dom

#endif
