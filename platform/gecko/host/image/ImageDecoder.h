// Decodes a PNG, JPEG or GIF file, told apart by its signature, into an Image; null for any
// other data, for a corrupt or truncated file and for one beyond DecodeLimits.
#ifndef GECKOHOST_IMAGE_IMAGEDECODER_H
#define GECKOHOST_IMAGE_IMAGEDECODER_H

#include <memory>
#include <string_view>

#include "image/Image.h"

namespace geckohost::image {

class ImageDecoder {
 public:
  static std::unique_ptr<Image> decode(std::string_view bytes);
};

}  // namespace geckohost::image

#endif
