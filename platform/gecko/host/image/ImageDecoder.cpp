#include "image/ImageDecoder.h"

#include "image/DecodeLimits.h"
#include "image/GifDecoder.h"
#include "image/ImageSignature.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"

namespace geckohost::image {

std::unique_ptr<Image> ImageDecoder::decode(std::string_view bytes) {
  if (bytes.size() > DecodeLimits::kMaxFileBytes)
    return nullptr;
  switch (ImageSignature::formatOf(bytes)) {
    case ImageFormat::Png:
      return PngDecoder::decode(bytes);
    case ImageFormat::Jpeg:
      return JpegDecoder::decode(bytes);
    case ImageFormat::Gif:
      return GifDecoder::decode(bytes);
    case ImageFormat::Unknown:
      break;
  }
  return nullptr;
}

}  // namespace geckohost::image
