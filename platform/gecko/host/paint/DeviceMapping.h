// Where a laid-out box lands on the drawable: its canvas rectangle moved into document
// coordinates (scroll containers around it), less the viewport's scroll position, times the
// zoom with each value truncated (layout::DevicePixels); and the clip of the scroll containers
// around it, mapped the same way.
#ifndef GECKOHOST_PAINT_DEVICEMAPPING_H
#define GECKOHOST_PAINT_DEVICEMAPPING_H

#include <optional>

#include "nsPoint.h"
#include "nsRect.h"

namespace geckohost::layout {
class Box;
}

namespace geckohost::paint {

class DeviceMapping {
 public:
  DeviceMapping(double zoom, nsPoint viewportScroll) : mZoom(zoom), mScroll(viewportScroll) {}

  // `canvasRect` is the box's rect, or one of its fragments or parts, in canvas coordinates.
  nsIntRect rectOf(const layout::Box& box, const nsRect& canvasRect) const;
  std::optional<nsIntRect> clipOf(const layout::Box& box) const;
  // A length (a border width): at least 1 device pixel when it is at least 1 CSS pixel.
  int length(int css) const;
  // The pixel size of the font whose characters fill 8 CSS pixel cells: 13 CSS pixels.
  int fontPixelSize() const;
  double zoom() const { return mZoom; }

  static constexpr int kFontSize = 13;

 private:
  nsIntRect fromDocument(const nsRect& document) const;

  double mZoom;
  nsPoint mScroll;
};

}  // namespace geckohost::paint

#endif
