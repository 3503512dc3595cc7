// Decoding the fixtures of tests/pages/images (make_fixtures.py says what each pixel is):
// every format to straight RGBA, told by its signature; sizes past DecodeLimits refused;
// corrupt and truncated files broken, never a crash.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "image/DecodeLimits.h"
#include "image/ImageDecoder.h"
#include "image/ImageSignature.h"

namespace geckohost::image {
namespace {

std::string fixture(const char* name) {
  std::ifstream in(std::string(GECKOHOST_IMAGE_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::unique_ptr<Image> decodeFixture(const char* name) {
  std::string bytes = fixture(name);
  EXPECT_FALSE(bytes.empty()) << name << " missing";
  return ImageDecoder::decode(bytes);
}

constexpr uint32_t rgba(uint32_t rgb, uint32_t alpha = 0xff) {
  return rgb << 8 | alpha;
}

// Lossy pixels: each channel within `tolerance` of the expected one.
::testing::AssertionResult near(uint32_t actual, uint32_t expected, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    int a = int((actual >> shift) & 0xff);
    int e = int((expected >> shift) & 0xff);
    if (std::abs(a - e) > tolerance) {
      return ::testing::AssertionFailure() << std::hex << actual << " is not within " << std::dec
                                           << tolerance << " of " << std::hex << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(ImageDecoderTest, PngsOfEveryKindBecomeStraightRgba) {
  std::unique_ptr<Image> quad = decodeFixture("quad.png");
  ASSERT_TRUE(quad);
  EXPECT_EQ(quad->naturalSize(), nsSize(4, 2));
  const uint32_t top[] = {0xff0000, 0x00ff00, 0x0000ff, 0xffffff};
  const uint32_t bottom[] = {0x000000, 0xffff00, 0x0a141e, 0x808080};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(quad->pixel(x, 0), rgba(top[x])) << x;
    EXPECT_EQ(quad->pixel(x, 1), rgba(bottom[x])) << x;
  }

  // A palette whose tRNS chunk makes entry 2 transparent and entry 3 half so.
  std::unique_ptr<Image> palette = decodeFixture("palette.png");
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->pixel(0, 0), rgba(0xff0000));
  EXPECT_EQ(palette->pixel(1, 0), rgba(0x0000ff));
  EXPECT_EQ(palette->pixel(0, 1), rgba(0x00ff00, 0));
  EXPECT_EQ(palette->pixel(1, 1), rgba(0xffffff, 0x80));

  // 16-bit grey and alpha, Adam7-interlaced: each pixel back in its place, scaled to 8 bits.
  std::unique_ptr<Image> grey = decodeFixture("gray-alpha-16-interlaced.png");
  ASSERT_TRUE(grey);
  ASSERT_EQ(grey->naturalSize(), nsSize(9, 9));
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      uint32_t level = uint32_t(std::lround((0x1000 * x + 0x100 * y) / 257.0));
      EXPECT_EQ(grey->pixel(x, y), (level * 0x010101) << 8 | (x == 8 ? 0 : 0xff)) << x << "," << y;
    }
  }
}

TEST(ImageDecoderTest, JpegsDecodeFromGreyYCbCrAndAdobeCmyk) {
  std::unique_ptr<Image> halves = decodeFixture("red-blue.jpg");
  ASSERT_TRUE(halves);
  EXPECT_EQ(halves->naturalSize(), nsSize(16, 8));
  EXPECT_TRUE(near(halves->pixel(3, 4), rgba(0xff0000), 4));
  EXPECT_TRUE(near(halves->pixel(12, 4), rgba(0x0000ff), 4));

  std::unique_ptr<Image> ramp = decodeFixture("gray-ramp.jpg");
  ASSERT_TRUE(ramp);
  for (int x = 0; x < 8; ++x) {
    uint32_t level = uint32_t(std::min(255, 32 * x));
    EXPECT_TRUE(near(ramp->pixel(x, 5), rgba(level * 0x010101), 3)) << x;
  }

  // Adobe stores its inks inverted: all cyan, no black.
  std::unique_ptr<Image> cyan = decodeFixture("cmyk-adobe.jpg");
  ASSERT_TRUE(cyan);
  EXPECT_TRUE(near(cyan->pixel(4, 4), rgba(0x00ffff), 2));
}

TEST(ImageDecoderTest, GifsShowTheirFirstFrameOnTheLogicalScreen) {
  // A 4x3 screen; the first frame 2x2 at (1, 1), index 0 (red) transparent; the second frame,
  // all red, never shows.
  std::unique_ptr<Image> frames = decodeFixture("first-frame.gif");
  ASSERT_TRUE(frames);
  ASSERT_EQ(frames->naturalSize(), nsSize(4, 3));
  EXPECT_EQ(frames->pixel(0, 0) & 0xff, 0u);  // outside the frame
  EXPECT_EQ(frames->pixel(3, 2) & 0xff, 0u);
  EXPECT_EQ(frames->pixel(1, 1), rgba(0x00ff00));
  EXPECT_EQ(frames->pixel(2, 1), rgba(0x0000ff));
  EXPECT_EQ(frames->pixel(1, 2), rgba(0xffffff));
  EXPECT_EQ(frames->pixel(2, 2) & 0xff, 0u);  // the transparent index

  // Rows stored in the four interlace passes come back in their places.
  std::unique_ptr<Image> interlaced = decodeFixture("interlaced.gif");
  ASSERT_TRUE(interlaced);
  ASSERT_EQ(interlaced->naturalSize(), nsSize(1, 8));
  const uint32_t palette[] = {0xff0000, 0x00ff00, 0x0000ff, 0xffffff};
  for (int y = 0; y < 8; ++y)
    EXPECT_EQ(interlaced->pixel(0, y), rgba(palette[y % 4])) << y;
}

TEST(ImageDecoderTest, TheSignatureDecidesNotTheName) {
  EXPECT_EQ(ImageSignature::formatOf(fixture("quad.png")), ImageFormat::Png);
  EXPECT_EQ(ImageSignature::formatOf(fixture("red-blue.jpg")), ImageFormat::Jpeg);
  EXPECT_EQ(ImageSignature::formatOf(fixture("interlaced.gif")), ImageFormat::Gif);
  EXPECT_EQ(ImageSignature::formatOf("GIF90a"), ImageFormat::Unknown);
  EXPECT_EQ(ImageSignature::formatOf("\x89PNG"), ImageFormat::Unknown);
  EXPECT_FALSE(ImageDecoder::decode("<html><body>not found</body></html>"));
  EXPECT_FALSE(ImageDecoder::decode(""));
  // A GIF's signature in front of PNG data is a broken GIF, not a PNG.
  std::string png = fixture("quad.png");
  EXPECT_FALSE(ImageDecoder::decode("GIF89a" + png.substr(6)));
}

TEST(ImageDecoderTest, SizesPastTheLimitsAreRefused) {
  std::unique_ptr<Image> widest = decodeFixture("wide-16384.png");
  ASSERT_TRUE(widest);
  EXPECT_EQ(widest->naturalSize(), nsSize(16384, 1));
  EXPECT_FALSE(decodeFixture("wide-16385.png"));

  EXPECT_TRUE(DecodeLimits::allows(16384, 2048));
  EXPECT_FALSE(DecodeLimits::allows(16384, 2049));  // past 32 Mi pixels
  EXPECT_FALSE(DecodeLimits::allows(0, 10));
  // More bytes than a file may have are not looked at.
  std::string padded = fixture("quad.png");
  padded.resize(DecodeLimits::kMaxFileBytes + 1);
  EXPECT_FALSE(ImageDecoder::decode(padded));
}

// Bytes a truncated file may lose and still hold the whole first picture: PNG's IEND chunk,
// GIF's trailer (and first-frame.gif's second frame); a JPEG needs its end-of-image marker.
struct Truncation {
  const char* name;
  size_t spareTail;
};

TEST(ImageDecoderTest, CorruptAndTruncatedFilesAreBrokenNotFatal) {
  EXPECT_FALSE(decodeFixture("bad-crc.png"));
  const Truncation fixtures[] = {
      {"quad.png", 12},        {"palette.png", 12},  {"gray-alpha-16-interlaced.png", 12},
      {"red-blue.jpg", 0},     {"gray-ramp.jpg", 0}, {"cmyk-adobe.jpg", 0},
      {"first-frame.gif", 22}, {"interlaced.gif", 1}};
  for (const Truncation& truncation : fixtures) {
    SCOPED_TRACE(truncation.name);
    std::string bytes = fixture(truncation.name);
    ASSERT_TRUE(ImageDecoder::decode(bytes));
    for (size_t length = 0; length + truncation.spareTail < bytes.size(); ++length)
      EXPECT_FALSE(ImageDecoder::decode(bytes.substr(0, length))) << "cut at " << length;
    // Every single byte spoiled in turn: whatever decodes keeps its declared size.
    for (size_t at = 0; at < bytes.size(); ++at) {
      std::string spoiled = bytes;
      spoiled[at] = char(spoiled[at] ^ 0x5a);
      if (std::unique_ptr<Image> image = ImageDecoder::decode(spoiled)) {
        EXPECT_TRUE(DecodeLimits::allows(uint64_t(image->width()), uint64_t(image->height())));
        EXPECT_EQ(image->rgba().size(), size_t(image->width()) * size_t(image->height()) * 4);
      }
    }
  }
  // Well-formed headers that promise an absurd picture.
  std::string gif = fixture("interlaced.gif");
  gif[6] = gif[7] = char(0xff);  // a 65535 pixel wide screen
  EXPECT_FALSE(ImageDecoder::decode(gif));
}

}  // namespace
}  // namespace geckohost::image
