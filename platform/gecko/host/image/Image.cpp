#include "image/Image.h"

#include <cassert>

namespace geckohost::image {

Image::Image(int width, int height, std::vector<uint8_t> rgba)
    : mWidth(width), mHeight(height), mRgba(std::move(rgba)) {
  assert(mRgba.size() == size_t(width) * size_t(height) * 4);
}

uint32_t Image::pixel(int x, int y) const {
  const uint8_t* p = &mRgba[(size_t(y) * size_t(mWidth) + size_t(x)) * 4];
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

}  // namespace geckohost::image
