#include "image/PngDecoder.h"

#include <png.h>

#include <cstring>

#include "image/DecodeLimits.h"

namespace geckohost::image {

namespace {

struct MemorySource {
  const png_byte* data;
  size_t size;
  size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (length > source->size - source->offset)
    png_error(png, "truncated");
  std::memcpy(out, source->data + source->offset, length);
  source->offset += length;
}

// libpng's own handlers print on stderr. An error jumps back to readPicture's setjmp without a
// word; a warning (a bad ancillary chunk, say) changes nothing here.
[[noreturn]] void jumpOnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void ignoreWarning(png_structp, png_const_charp) {}

// Owns the read and info structs.
class ReadStructs {
 public:
  ReadStructs() {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnError, ignoreWarning);
    info = png ? png_create_info_struct(png) : nullptr;
  }
  ~ReadStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
  ReadStructs(const ReadStructs&) = delete;
  ReadStructs& operator=(const ReadStructs&) = delete;

  png_structp png = nullptr;
  png_infop info = nullptr;
};

// Asks libpng for 8-bit RGBA rows whatever the file holds.
void requestRgba(png_structp png, png_infop info) {
  int colorType = png_get_color_type(png, info);
  png_set_expand(png);
  if (png_get_bit_depth(png, info) == 16)
    png_set_scale_16(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  png_set_filler(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Decodes into `pixels` and `rows` (the caller's, so that a longjmp out of libpng leaves them
// as valid objects for the caller to free). Nothing in this frame has a destructor: libpng
// jumps back to the setjmp below on every error.
bool readPicture(png_structp png, png_infop info, std::vector<uint8_t>& pixels,
                 std::vector<png_bytep>& rows, png_uint_32& width, png_uint_32& height) {
  if (setjmp(png_jmpbuf(png)))
    return false;
  png_set_user_limits(png, DecodeLimits::kMaxSide, DecodeLimits::kMaxSide);
  png_read_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  if (!DecodeLimits::allows(width, height))
    return false;
  requestRgba(png, info);
  const size_t stride = size_t(width) * 4;
  if (png_get_rowbytes(png, info) != stride)
    return false;
  pixels.resize(stride * height);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = pixels.data() + stride * y;
  // Every row is in place once this returns; what follows the image data is not needed.
  png_read_image(png, rows.data());
  return true;
}

}  // namespace

std::unique_ptr<Image> PngDecoder::decode(std::string_view bytes) {
  ReadStructs structs;
  if (!structs.info)
    return nullptr;
  MemorySource source{reinterpret_cast<const png_byte*>(bytes.data()), bytes.size(), 0};
  png_set_read_fn(structs.png, &source, readFromMemory);
  std::vector<uint8_t> pixels;
  std::vector<png_bytep> rows;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!readPicture(structs.png, structs.info, pixels, rows, width, height))
    return nullptr;
  return std::make_unique<Image>(int(width), int(height), std::move(pixels));
}

}  // namespace geckohost::image
