// A decoded picture: its natural size in pixels and its pixels as straight (not premultiplied)
// RGBA, four bytes a pixel, rows top to bottom with no padding between them.
#ifndef GECKOHOST_IMAGE_IMAGE_H
#define GECKOHOST_IMAGE_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "nsSize.h"

namespace geckohost::image {

class Image {
 public:
  // `rgba` holds exactly width x height x 4 bytes.
  Image(int width, int height, std::vector<uint8_t> rgba);

  int width() const { return mWidth; }
  int height() const { return mHeight; }
  nsSize naturalSize() const { return nsSize(mWidth, mHeight); }
  const std::vector<uint8_t>& rgba() const { return mRgba; }
  // The pixel at (x, y) as 0xRRGGBBAA; both must lie inside the image.
  uint32_t pixel(int x, int y) const;

 private:
  int mWidth;
  int mHeight;
  std::vector<uint8_t> mRgba;
};

}  // namespace geckohost::image

#endif
