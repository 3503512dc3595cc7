#include "image/ImageSignature.h"

namespace geckohost::image {

namespace {

bool startsWith(std::string_view bytes, std::string_view signature) {
  return bytes.substr(0, signature.size()) == signature;
}

}  // namespace

ImageFormat ImageSignature::formatOf(std::string_view bytes) {
  using namespace std::string_view_literals;
  if (startsWith(bytes, "\x89PNG\r\n\x1a\n"sv))
    return ImageFormat::Png;
  // The start-of-image marker and the first byte of the next marker.
  if (startsWith(bytes, "\xff\xd8\xff"sv))
    return ImageFormat::Jpeg;
  if (startsWith(bytes, "GIF87a"sv) || startsWith(bytes, "GIF89a"sv))
    return ImageFormat::Gif;
  return ImageFormat::Unknown;
}

}  // namespace geckohost::image
