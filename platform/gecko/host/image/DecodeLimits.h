// How large a picture the host agrees to decode. A file larger than kMaxFileBytes is not
// fetched; a picture wider or higher than kMaxSide, or of more than kMaxPixels pixels (its
// RGBA buffer would pass 128 MiB), is refused before any pixel memory is taken. Refused images
// show as broken ones.
#ifndef GECKOHOST_IMAGE_DECODELIMITS_H
#define GECKOHOST_IMAGE_DECODELIMITS_H

#include <cstddef>
#include <cstdint>

namespace geckohost::image {

class DecodeLimits {
 public:
  static constexpr size_t kMaxFileBytes = size_t(32) << 20;
  static constexpr uint32_t kMaxSide = 16384;
  static constexpr uint64_t kMaxPixels = uint64_t(32) << 20;

  // Whether a picture of width x height may be decoded (neither side 0).
  static constexpr bool allows(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
  }
};

}  // namespace geckohost::image

#endif
