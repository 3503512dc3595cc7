// Which decoder a file needs, told by its first bytes (as Gecko sniffs images), never by the
// URL's extension or a content type.
#ifndef GECKOHOST_IMAGE_IMAGESIGNATURE_H
#define GECKOHOST_IMAGE_IMAGESIGNATURE_H

#include <string_view>

namespace geckohost::image {

enum class ImageFormat { Unknown, Png, Jpeg, Gif };

class ImageSignature {
 public:
  static ImageFormat formatOf(std::string_view bytes);
};

}  // namespace geckohost::image

#endif
