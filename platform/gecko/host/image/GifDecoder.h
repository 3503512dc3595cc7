// GIF files to RGBA with giflib: the first frame only, drawn at its place on the logical screen
// (grown to hold the frame when the frame is larger), its transparent colour and whatever the
// frame leaves uncovered transparent. Frames are read record by record so that a frame's size
// is checked before any line of it is decoded.
#ifndef GECKOHOST_IMAGE_GIFDECODER_H
#define GECKOHOST_IMAGE_GIFDECODER_H

#include <memory>
#include <string_view>

#include "image/Image.h"

namespace geckohost::image {

class GifDecoder {
 public:
  static std::unique_ptr<Image> decode(std::string_view bytes);
};

}  // namespace geckohost::image

#endif
