// PNG files to RGBA with libpng: every colour type and bit depth (palettes and tRNS become
// alpha, 16-bit channels scale to 8), interlaced or not. libpng reports errors by longjmp; the
// decoder catches them and answers null, as it does for truncated data and refused sizes.
#ifndef GECKOHOST_IMAGE_PNGDECODER_H
#define GECKOHOST_IMAGE_PNGDECODER_H

#include <memory>
#include <string_view>

#include "image/Image.h"

namespace geckohost::image {

class PngDecoder {
 public:
  static std::unique_ptr<Image> decode(std::string_view bytes);
};

}  // namespace geckohost::image

#endif
