#include "image/JpegDecoder.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include "image/DecodeLimits.h"

namespace geckohost::image {

namespace {

// libjpeg hands the error manager back as a jpeg_error_mgr*: the struct must come first.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  bool truncated;
};

ErrorManager& errorsOf(j_common_ptr info) {
  return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void jumpOnError(j_common_ptr info) {
  std::longjmp(errorsOf(info).jump, 1);
}

// Warnings are not printed; running out of data is remembered (libjpeg then pads the picture
// with grey and goes on).
void noteWarning(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
    errorsOf(info).truncated = true;
}

void printNothing(j_common_ptr) {}

// Owns the decompressor; destroying one that was never created is harmless (its memory
// manager is still null).
class Decompressor {
 public:
  Decompressor() : info(), errors() {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.emit_message = noteWarning;
    errors.base.output_message = printNothing;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct info;
  ErrorManager errors;
};

bool isCmyk(J_COLOR_SPACE space) {
  return space == JCS_CMYK || space == JCS_YCCK;
}

// CMYK rows to RGB in place. Adobe's files store the inks inverted (255 = no ink).
void cmykToRgba(std::vector<uint8_t>& pixels, bool inverted) {
  for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
    unsigned k = inverted ? pixels[i + 3] : 255u - pixels[i + 3];
    for (size_t c = 0; c < 3; ++c) {
      unsigned ink = inverted ? pixels[i + c] : 255u - pixels[i + c];
      pixels[i + c] = uint8_t(ink * k / 255u);
    }
    pixels[i + 3] = 255;
  }
}

// Decodes into the caller's `pixels`, so that a longjmp leaves it a valid object. Nothing in
// this frame has a destructor: libjpeg jumps back to the setjmp below on every error.
bool readPicture(Decompressor& decompressor, std::string_view bytes, std::vector<uint8_t>& pixels,
                 JDIMENSION& width, JDIMENSION& height) {
  jpeg_decompress_struct& info = decompressor.info;
  if (setjmp(decompressor.errors.jump))
    return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (!DecodeLimits::allows(info.image_width, info.image_height))
    return false;
  info.out_color_space = isCmyk(info.jpeg_color_space) ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_start_decompress(&info);
  width = info.output_width;
  height = info.output_height;
  if (info.output_components != 4 || !DecodeLimits::allows(width, height))
    return false;
  const size_t stride = size_t(width) * 4;
  pixels.resize(stride * height);
  while (info.output_scanline < height) {
    JSAMPROW row = pixels.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return !decompressor.errors.truncated;
}

}  // namespace

std::unique_ptr<Image> JpegDecoder::decode(std::string_view bytes) {
  Decompressor decompressor;
  std::vector<uint8_t> pixels;
  JDIMENSION width = 0;
  JDIMENSION height = 0;
  if (!readPicture(decompressor, bytes, pixels, width, height))
    return nullptr;
  if (decompressor.info.out_color_space == JCS_CMYK)
    cmykToRgba(pixels, decompressor.info.saw_Adobe_marker);
  return std::make_unique<Image>(int(width), int(height), std::move(pixels));
}

}  // namespace geckohost::image
