#include "paint/ImageScaler.h"

#include "image/Image.h"

namespace geckohost::paint {

namespace {

// The source index under the centre of destination pixel `offset` of `length`, for a source of
// `size` pixels.
int sourceIndex(int offset, int length, int size) {
  return int((int64_t(offset) * 2 + 1) * size / (int64_t(length) * 2));
}

}  // namespace

uint32_t ImageScaler::premultiplied(uint32_t rgba) {
  const uint32_t alpha = rgba & 0xff;
  auto channel = [alpha](uint32_t value) { return (value * alpha + 127) / 255; };
  return alpha << 24 | channel(rgba >> 24) << 16 | channel((rgba >> 16) & 0xff) << 8 |
         channel((rgba >> 8) & 0xff);
}

std::vector<uint32_t> ImageScaler::scaledPart(const image::Image& picture, const nsIntRect& target,
                                              const nsIntRect& part) {
  std::vector<uint32_t> pixels;
  if (part.IsEmpty() || target.IsEmpty())
    return pixels;
  pixels.reserve(size_t(part.width) * size_t(part.height));
  std::vector<int> columns(size_t(part.width));
  for (int x = 0; x < part.width; ++x)
    columns[size_t(x)] = sourceIndex(part.x - target.x + x, target.width, picture.width());
  for (int y = 0; y < part.height; ++y) {
    int row = sourceIndex(part.y - target.y + y, target.height, picture.height());
    for (int column : columns)
      pixels.push_back(premultiplied(picture.pixel(column, row)));
  }
  return pixels;
}

}  // namespace geckohost::paint
