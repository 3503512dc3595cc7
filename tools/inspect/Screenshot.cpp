#include "Screenshot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // three bytes a pixel, rows top to bottom

  void set(int x, int y, unsigned char r, unsigned char g, unsigned char b) {
    if (x < 0 || y < 0 || x >= width || y >= height)
      return;
    size_t at = (static_cast<size_t>(y) * width + x) * 3;
    rgb[at] = r;
    rgb[at + 1] = g;
    rgb[at + 2] = b;
  }

  // The outline of a rectangle given relative to the picture's origin.
  void outline(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0)
      return;
    for (int i = x; i < x + w; ++i) {
      set(i, y, 255, 0, 0);
      set(i, y + h - 1, 255, 0, 0);
    }
    for (int j = y; j < y + h; ++j) {
      set(x, j, 255, 0, 0);
      set(x + w - 1, j, 255, 0, 0);
    }
  }
};

// Takes the shift and width of a colour mask: 0xff0000 -> (16, 8).
void maskShape(unsigned long mask, int& shift, int& bits) {
  shift = 0;
  bits = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  while (mask & 1) {
    mask >>= 1;
    ++bits;
  }
}

// One colour channel of a pixel value, its mask's shape worked out once for the whole image.
class Channel {
 public:
  explicit Channel(unsigned long mask) : m_mask(mask) { maskShape(mask, m_shift, m_bits); }

  unsigned char of(unsigned long pixel) const {
    if (m_bits == 0)
      return 0;
    unsigned long value = (pixel & m_mask) >> m_shift;
    return static_cast<unsigned char>(value * 255 / ((1UL << m_bits) - 1));
  }

 private:
  unsigned long m_mask;
  int m_shift = 0;
  int m_bits = 0;
};

// Reads the part of the rectangle (x, y, width, height) of the screen that lies on it:
// XGetImage fails for an area that reaches past the root window, and a window larger than the
// screen is still worth a picture.
bool captureScreen(Display* display, int x, int y, int width, int height, Picture& picture,
                   int& originX, int& originY, std::string& error) {
  Window root = DefaultRootWindow(display);
  XWindowAttributes screen;
  if (!XGetWindowAttributes(display, root, &screen)) {
    error = "cannot read the screen's size";
    return false;
  }
  originX = std::max(x, 0);
  originY = std::max(y, 0);
  int right = std::min(x + width, screen.width);
  int bottom = std::min(y + height, screen.height);
  if (right <= originX || bottom <= originY) {
    error = "the window is off the screen";
    return false;
  }
  XImage* image = XGetImage(display, root, originX, originY, static_cast<unsigned>(right - originX),
                            static_cast<unsigned>(bottom - originY), AllPlanes, ZPixmap);
  if (!image) {
    error = "cannot read the window from the screen";
    return false;
  }
  picture.width = right - originX;
  picture.height = bottom - originY;
  picture.rgb.assign(static_cast<size_t>(picture.width) * picture.height * 3, 0);
  const Channel red(image->red_mask);
  const Channel green(image->green_mask);
  const Channel blue(image->blue_mask);
  for (int row = 0; row < picture.height; ++row) {
    for (int column = 0; column < picture.width; ++column) {
      unsigned long pixel = XGetPixel(image, column, row);
      picture.set(column, row, red.of(pixel), green.of(pixel), blue.of(pixel));
    }
  }
  XDestroyImage(image);
  return true;
}

bool capture(Display* display, Window window, Picture& picture, int& originX, int& originY,
             std::string& error) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) {
    error = "the window is gone";
    return false;
  }
  Window child = 0;
  int x = 0;
  int y = 0;
  XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child);
  return captureScreen(display, x, y, attributes.width, attributes.height, picture, originX,
                       originY, error);
}

// Reads a picture through a display connection of its own, on the display DISPLAY names:
// `read` is capture() or captureScreen() with their arguments bound.
template <class Read>
bool withDisplay(Read read, std::string& error) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    error = "cannot open the display";
    return false;
  }
  bool captured = read(display);
  XCloseDisplay(display);
  return captured;
}

bool captureWindow(unsigned long window, Picture& picture, int& originX, int& originY,
                   std::string& error) {
  return withDisplay(
      [&](Display* display) { return capture(display, window, picture, originX, originY, error); },
      error);
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

bool encodePng(const Picture& picture, std::vector<unsigned char>& out, std::string& error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "cannot encode the picture";
    return false;
  }
  png_set_write_fn(png, &out, appendBytes, flushNothing);
  png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.height; ++y) {
    png_write_row(png, picture.rgb.data() + static_cast<size_t>(y) * picture.width * 3);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool writeFile(const std::vector<unsigned char>& bytes, const std::string& file,
               std::string& error) {
  FILE* out = fopen(file.c_str(), "wb");
  bool written = out && fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (out && fclose(out) != 0)
    written = false;
  if (!written)
    error = "cannot write " + file;
  return written;
}

}  // namespace

bool Screenshot::writeWindow(unsigned long window, const std::vector<HtmlRectangle>& boxes,
                             const std::string& file, std::string& error) {
  Picture picture;
  int originX = 0;
  int originY = 0;
  if (!captureWindow(window, picture, originX, originY, error))
    return false;
  for (const HtmlRectangle& box : boxes) {
    picture.outline(box.x - originX, box.y - originY, box.width, box.height);
  }
  std::vector<unsigned char> png;
  return encodePng(picture, png, error) && writeFile(png, file, error);
}

bool Screenshot::encodeWindow(unsigned long window, std::vector<unsigned char>& png,
                              HtmlRectangle& area, std::string& error) {
  Picture picture;
  int originX = 0;
  int originY = 0;
  if (!captureWindow(window, picture, originX, originY, error))
    return false;
  area = {originX, originY, picture.width, picture.height};
  png.clear();
  return encodePng(picture, png, error);
}

bool Screenshot::encodeArea(const HtmlRectangle& wanted, std::vector<unsigned char>& png,
                            HtmlRectangle& area, std::string& error) {
  Picture picture;
  int originX = 0;
  int originY = 0;
  bool captured = withDisplay(
      [&](Display* display) {
        return captureScreen(display, wanted.x, wanted.y, wanted.width, wanted.height, picture,
                             originX, originY, error);
      },
      error);
  if (!captured)
    return false;
  area = {originX, originY, picture.width, picture.height};
  png.clear();
  return encodePng(picture, png, error);
}
