#include "dom/HTMLMapElement.h"

#include "dom/ElementList.h"

namespace geckohost::dom {

RefPtr<ElementList> HTMLMapElement::areas() {
  return new ElementList(*this, [](const Element& element) { return element.isHTML(u"area"); });
}

}  // namespace geckohost::dom
