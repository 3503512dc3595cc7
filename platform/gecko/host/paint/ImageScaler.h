// A picture stretched over a device rectangle, nearest neighbour: each device pixel takes the
// picture's pixel under its centre. Only the part that will be seen is computed, so a huge box
// costs no more than the window it shows in. The pixels come premultiplied by their alpha, as
// 0xAARRGGBB, the form XRender composites.
#ifndef GECKOHOST_PAINT_IMAGESCALER_H
#define GECKOHOST_PAINT_IMAGESCALER_H

#include <cstdint>
#include <vector>

#include "nsRect.h"

namespace geckohost::image {
class Image;
}

namespace geckohost::paint {

class ImageScaler {
 public:
  // The pixels of `part` (which lies inside `target`) of `picture` stretched over `target`,
  // row by row, part.width a row.
  static std::vector<uint32_t> scaledPart(const image::Image& picture, const nsIntRect& target,
                                          const nsIntRect& part);

  // 0xRRGGBBAA straight to 0xAARRGGBB premultiplied.
  static uint32_t premultiplied(uint32_t rgba);
};

}  // namespace geckohost::paint

#endif
