// The per-document cache: one fetch and one decode per URL, broken answers kept too.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "image/DecodeLimits.h"
#include "image/ImageCache.h"

namespace geckohost::image {
namespace {

std::string fixture(const char* name) {
  std::ifstream in(std::string(GECKOHOST_IMAGE_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(ImageCacheTest, EachUrlIsFetchedAndDecodedOnce) {
  std::map<std::string, int> fetches;
  std::map<std::string, std::string> server = {{"http://test/logo.gif", fixture("quad.png")},
                                               {"http://test/page.html", "<p>hello</p>"}};
  ImageCache images([&](const std::string& url, size_t maxBytes) -> std::optional<std::string> {
    ++fetches[url];
    EXPECT_EQ(maxBytes, DecodeLimits::kMaxFileBytes);
    auto found = server.find(url);
    if (found == server.end())
      return std::nullopt;
    return found->second;
  });

  // PNG data under a .gif name decodes as the PNG it is.
  const Image* logo = images.imageFor("http://test/logo.gif");
  ASSERT_TRUE(logo);
  EXPECT_EQ(logo->naturalSize(), nsSize(4, 2));
  EXPECT_EQ(images.imageFor("http://test/logo.gif"), logo);

  EXPECT_FALSE(images.imageFor("http://test/page.html"));
  EXPECT_FALSE(images.imageFor("http://test/page.html"));
  EXPECT_FALSE(images.imageFor("http://test/missing.png"));
  EXPECT_FALSE(images.imageFor("http://test/missing.png"));
  EXPECT_FALSE(images.imageFor(""));

  EXPECT_EQ(fetches, (std::map<std::string, int>{{"http://test/logo.gif", 1},
                                                 {"http://test/page.html", 1},
                                                 {"http://test/missing.png", 1}}));
  EXPECT_EQ(images.size(), 3u);

  ImageCache unconnected;
  EXPECT_FALSE(unconnected.imageFor("http://test/logo.gif"));
}

}  // namespace
}  // namespace geckohost::image
