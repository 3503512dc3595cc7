// The pictures of one document, by URL: each URL is fetched and decoded once, on the first
// question, and its answer (a picture, or none for a broken image) kept for the cache's life.
// A document's layout owns one, so a reloaded page reads its files afresh.
//
//   ImageCache images([&loader](const std::string& url, size_t maxBytes) {
//     return loader.loadBytes(url, maxBytes);
//   });
//   const Image* logo = images.imageFor("file:///srv/logo.png");  // null when broken
#ifndef GECKOHOST_IMAGE_IMAGECACHE_H
#define GECKOHOST_IMAGE_IMAGECACHE_H

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "image/Image.h"

namespace geckohost::image {

class ImageCache {
 public:
  // The bytes at a URL, or nothing when the URL names nothing that can be read or more than
  // `maxBytes` bytes.
  using Fetch = std::function<std::optional<std::string>(const std::string& url, size_t maxBytes)>;

  // Without a fetch function every image is broken.
  explicit ImageCache(Fetch fetch = {}) : mFetch(std::move(fetch)) {}

  // The picture at `url` (owned by the cache, valid for its life), or null when the URL is
  // empty or its data cannot be fetched or decoded.
  const Image* imageFor(const std::string& url);
  // How many URLs have been fetched.
  size_t size() const { return mImages.size(); }

 private:
  Fetch mFetch;
  std::unordered_map<std::string, std::unique_ptr<const Image>> mImages;
};

}  // namespace geckohost::image

#endif
