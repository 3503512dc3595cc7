#include "image/ImageCache.h"

#include "image/DecodeLimits.h"
#include "image/ImageDecoder.h"

namespace geckohost::image {

const Image* ImageCache::imageFor(const std::string& url) {
  if (url.empty())
    return nullptr;
  auto found = mImages.find(url);
  if (found != mImages.end())
    return found->second.get();
  std::unique_ptr<const Image> decoded;
  if (mFetch) {
    if (std::optional<std::string> bytes = mFetch(url, DecodeLimits::kMaxFileBytes))
      decoded = ImageDecoder::decode(*bytes);
  }
  return mImages.emplace(url, std::move(decoded)).first->second.get();
}

}  // namespace geckohost::image
