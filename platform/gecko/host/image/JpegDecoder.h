// JPEG files to RGBA with libjpeg(-turbo): greyscale, YCbCr and RGB files decode straight to
// RGBA; CMYK and YCCK ones (Adobe's inverted CMYK included) are converted here. libjpeg's
// errors come back through an error manager that longjmps; a file whose data ends before its
// last scanline counts as broken, not as a picture with a grey bottom.
#ifndef GECKOHOST_IMAGE_JPEGDECODER_H
#define GECKOHOST_IMAGE_JPEGDECODER_H

#include <memory>
#include <string_view>

#include "image/Image.h"

namespace geckohost::image {

class JpegDecoder {
 public:
  static std::unique_ptr<Image> decode(std::string_view bytes);
};

}  // namespace geckohost::image

#endif
