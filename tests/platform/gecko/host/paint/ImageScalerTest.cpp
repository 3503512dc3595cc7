// Nearest-neighbour stretching of a picture's visible part, premultiplied for XRender.
#include <gtest/gtest.h>

#include "image/Image.h"
#include "paint/ImageScaler.h"

namespace geckohost::paint {
namespace {

// 4x2: pixel (x, y) is 0xRRGGBBAA with red 16x + y, green 0x10, blue 0x20, opaque.
image::Image numberedPicture() {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x)
      rgba.insert(rgba.end(), {uint8_t(16 * x + y), 0x10, 0x20, 0xff});
  }
  return image::Image(4, 2, std::move(rgba));
}

uint32_t argbOf(int x, int y) {
  return 0xff000000u | uint32_t(16 * x + y) << 16 | 0x1020;
}

TEST(ImageScalerTest, OnlyTheVisiblePartIsStretchedAndPremultiplied) {
  image::Image picture = numberedPicture();
  // Stretched twice over (10, 10 8x4); the part from (13, 11), 4x3, sees columns 1..3 and
  // rows 0..1 of the picture.
  std::vector<uint32_t> part =
      ImageScaler::scaledPart(picture, nsIntRect(10, 10, 8, 4), nsIntRect(13, 11, 4, 3));
  ASSERT_EQ(part.size(), 12u);
  const int columns[] = {1, 2, 2, 3};
  const int rows[] = {0, 1, 1};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(part[size_t(y * 4 + x)], argbOf(columns[x], rows[y])) << x << "," << y;
  }
  // Shrunk to 2x1: the pixels under the centres, (1, 1) and (3, 1).
  std::vector<uint32_t> shrunk =
      ImageScaler::scaledPart(picture, nsIntRect(0, 0, 2, 1), nsIntRect(0, 0, 2, 1));
  EXPECT_EQ(shrunk, (std::vector<uint32_t>{argbOf(1, 1), argbOf(3, 1)}));
  EXPECT_TRUE(ImageScaler::scaledPart(picture, nsIntRect(0, 0, 8, 4), nsIntRect()).empty());

  EXPECT_EQ(ImageScaler::premultiplied(0xffffff80), 0x80808080u);
  EXPECT_EQ(ImageScaler::premultiplied(0x336699ff), 0xff336699u);
  EXPECT_EQ(ImageScaler::premultiplied(0xff000000), 0u);
}

}  // namespace
}  // namespace geckohost::paint
