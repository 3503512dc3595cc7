#include "paint/DeviceMapping.h"

#include <algorithm>

#include "layout/Box.h"
#include "layout/DevicePixels.h"
#include "layout/ScrollGeometry.h"

namespace geckohost::paint {

nsIntRect DeviceMapping::fromDocument(const nsRect& document) const {
  return layout::DevicePixels::toDevice(
      nsRect(document.x - mScroll.x, document.y - mScroll.y, document.width, document.height),
      mZoom);
}

nsIntRect DeviceMapping::rectOf(const layout::Box& box, const nsRect& canvasRect) const {
  return fromDocument(layout::ScrollGeometry::toDocument(box, canvasRect));
}

std::optional<nsIntRect> DeviceMapping::clipOf(const layout::Box& box) const {
  std::optional<nsRect> clip = layout::ScrollGeometry::clipFor(box);
  if (!clip)
    return std::nullopt;
  return fromDocument(*clip);
}

int DeviceMapping::length(int css) const {
  if (css <= 0)
    return 0;
  return std::max(1, layout::DevicePixels::toDevice(css, mZoom));
}

int DeviceMapping::fontPixelSize() const {
  return std::max(1, layout::DevicePixels::toDevice(kFontSize, mZoom));
}

}  // namespace geckohost::paint
