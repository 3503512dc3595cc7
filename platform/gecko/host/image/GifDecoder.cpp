#include "image/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "image/DecodeLimits.h"

namespace geckohost::image {

namespace {

struct MemorySource {
  const GifByteType* data;
  size_t size;
  size_t offset;
};

// giflib's input function: as many bytes as are left, up to `length`.
int readFromMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<MemorySource*>(gif->UserData);
  size_t count = std::min(size_t(std::max(length, 0)), source->size - source->offset);
  std::memcpy(out, source->data + source->offset, count);
  source->offset += count;
  return int(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// Skips an extension's blocks, keeping the transparent colour of a graphic control block.
bool readExtension(GifFileType* gif, int& transparentIndex) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
    return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
      transparentIndex = control.TransparentColor;
  }
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
      return false;
  }
  return true;
}

// The order an interlaced frame stores its rows in: four passes over the rows.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(size_t(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y)
      order.push_back(y);
    return order;
  }
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = starts[pass]; y < height; y += steps[pass])
      order.push_back(y);
  }
  return order;
}

// The frame whose descriptor comes next, on a canvas of the logical screen's size.
std::unique_ptr<Image> readFrame(GifFileType* gif, int transparentIndex) {
  if (DGifGetImageDesc(gif) == GIF_ERROR)
    return nullptr;
  const GifImageDesc& frame = gif->Image;
  if (!DecodeLimits::allows(uint64_t(std::max(frame.Width, 0)),
                            uint64_t(std::max(frame.Height, 0))))
    return nullptr;
  const ColorMapObject* colors = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!colors)
    return nullptr;
  const int width = std::max(gif->SWidth, frame.Left + frame.Width);
  const int height = std::max(gif->SHeight, frame.Top + frame.Height);
  if (!DecodeLimits::allows(uint64_t(width), uint64_t(height)))
    return nullptr;
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4, 0);
  std::vector<GifPixelType> line(size_t(frame.Width));
  for (int y : rowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
      return nullptr;
    uint8_t* out = &pixels[(size_t(frame.Top + y) * size_t(width) + size_t(frame.Left)) * 4];
    for (GifPixelType index : line) {
      if (index != transparentIndex && index < colors->ColorCount) {
        const GifColorType& color = colors->Colors[index];
        out[0] = color.Red;
        out[1] = color.Green;
        out[2] = color.Blue;
        out[3] = 255;
      }
      out += 4;
    }
  }
  return std::make_unique<Image>(width, height, std::move(pixels));
}

}  // namespace

std::unique_ptr<Image> GifDecoder::decode(std::string_view bytes) {
  MemorySource source{reinterpret_cast<const GifByteType*>(bytes.data()), bytes.size(), 0};
  int error = 0;
  GifFile gif(DGifOpen(&source, readFromMemory, &error));
  if (!gif)
    return nullptr;
  int transparentIndex = NO_TRANSPARENT_COLOR;
  GifRecordType record = UNDEFINED_RECORD_TYPE;
  do {
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
      return nullptr;
    if (record == EXTENSION_RECORD_TYPE && !readExtension(gif.get(), transparentIndex))
      return nullptr;
    if (record == IMAGE_DESC_RECORD_TYPE)
      return readFrame(gif.get(), transparentIndex);
  } while (record != TERMINATE_RECORD_TYPE);
  return nullptr;  // no frame at all
}

}  // namespace geckohost::image
