#include "dom/HTMLImageElement.h"

namespace geckohost::dom {

int32_t HTMLImageElement::width() {
  if (attributeValue(u"width"))
    return intAttribute(u"width", 0);
  return offsetBox().width;
}

int32_t HTMLImageElement::height() {
  if (attributeValue(u"height"))
    return intAttribute(u"height", 0);
  return offsetBox().height;
}

}  // namespace geckohost::dom
