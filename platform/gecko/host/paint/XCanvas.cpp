#include "paint/XCanvas.h"

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

#include <algorithm>
#include <map>

namespace geckohost::paint {

struct XCanvas::XState {
  Display* display;  // weak
  ::Drawable drawable;
  Visual* visual;  // weak; the screen's
  Colormap colormap;
  nsIntRect bounds;  // the drawable's own rectangle
  GC gc;
  XftDraw* draw;
  std::map<uint32_t, XftColor> colors;
  std::map<int, XftFont*> fonts;  // null for a size that could not be opened

  XftColor* colorFor(uint32_t rgb) {
    auto found = colors.find(rgb);
    if (found != colors.end())
      return &found->second;
    XRenderColor value;
    // 8 bits a channel to 16: 0xff -> 0xffff.
    value.red = uint16_t(((rgb >> 16) & 0xff) * 0x101);
    value.green = uint16_t(((rgb >> 8) & 0xff) * 0x101);
    value.blue = uint16_t((rgb & 0xff) * 0x101);
    value.alpha = 0xffff;
    XftColor color{};
    XftColorAllocValue(display, visual, colormap, &value, &color);
    return &colors.emplace(rgb, color).first->second;
  }

  XftFont* fontFor(int pixelSize) {
    auto found = fonts.find(pixelSize);
    if (found != fonts.end())
      return found->second;
    XftFont* font =
        XftFontOpen(display, DefaultScreen(display), XFT_FAMILY, XftTypeString, kFontFamily,
                    XFT_PIXEL_SIZE, XftTypeDouble, double(pixelSize), nullptr);
    fonts.emplace(pixelSize, font);
    return font;
  }
};

XCanvas::XCanvas(_XDisplay* display, Drawable drawable) : mX(std::make_unique<XState>()) {
  int screen = DefaultScreen(display);
  mX->display = display;
  mX->drawable = drawable;
  mX->visual = DefaultVisual(display, screen);
  mX->colormap = DefaultColormap(display, screen);
  mX->gc = XCreateGC(display, drawable, 0, nullptr);
  // Xft frees its glyph sets through libXrender when the display closes. Close hooks run newest
  // first, so libXrender must meet the display before Xft does: otherwise its hook runs first,
  // Xft's then re-registers the closing display, and a later connection that gets the same
  // address inherits that stale entry (requests with opcode 0, BadRequest).
  int eventBase = 0;
  int errorBase = 0;
  XRenderQueryExtension(display, &eventBase, &errorBase);
  ::Window root;
  int x;
  int y;
  unsigned width = 0;
  unsigned height = 0;
  unsigned border;
  unsigned depth;
  if (XGetGeometry(display, drawable, &root, &x, &y, &width, &height, &border, &depth))
    mX->bounds = nsIntRect(0, 0, int(width), int(height));
  mX->draw = XftDrawCreate(display, drawable, mX->visual, mX->colormap);
}

XCanvas::~XCanvas() {
  for (auto& [rgb, color] : mX->colors)
    XftColorFree(mX->display, mX->visual, mX->colormap, &color);
  for (auto& [size, font] : mX->fonts) {
    if (font)
      XftFontClose(mX->display, font);
  }
  XftDrawDestroy(mX->draw);
  XFreeGC(mX->display, mX->gc);
}

bool XCanvas::hasFont(int pixelSize) {
  return mX->fontFor(pixelSize) != nullptr;
}

void XCanvas::fillRect(const nsIntRect& rect, uint32_t rgb) {
  if (rect.IsEmpty())
    return;
  XSetForeground(mX->display, mX->gc, mX->colorFor(rgb)->pixel);
  XFillRectangle(mX->display, mX->drawable, mX->gc, rect.x, rect.y, unsigned(rect.width),
                 unsigned(rect.height));
}

void XCanvas::frameRect(const nsIntRect& rect, int width, const uint32_t (&rgb)[4]) {
  if (rect.IsEmpty() || width <= 0)
    return;
  int thickness = std::min({width, rect.width, rect.height});
  fillRect(nsIntRect(rect.x, rect.y, rect.width, thickness), rgb[0]);
  fillRect(nsIntRect(rect.XMost() - thickness, rect.y, thickness, rect.height), rgb[1]);
  fillRect(nsIntRect(rect.x, rect.YMost() - thickness, rect.width, thickness), rgb[2]);
  fillRect(nsIntRect(rect.x, rect.y, thickness, rect.height), rgb[3]);
}

void XCanvas::drawLine(int x1, int y1, int x2, int y2, uint32_t rgb) {
  XSetForeground(mX->display, mX->gc, mX->colorFor(rgb)->pixel);
  XDrawLine(mX->display, mX->drawable, mX->gc, x1, y1, x2, y2);
}

void XCanvas::drawCharacter(int x, int baseline, char32_t character, int pixelSize, uint32_t rgb) {
  XftFont* font = mX->fontFor(pixelSize);
  if (!font)
    return;
  FcChar32 glyph = FcChar32(character);
  XftDrawString32(mX->draw, mX->colorFor(rgb), font, x, baseline, &glyph, 1);
}

nsIntRect XCanvas::visiblePart(const nsIntRect& rect) const {
  nsIntRect visible;
  if (!visible.IntersectRect(rect, mX->bounds))
    return nsIntRect();
  if (!mClips.empty() && mClips.back() && !visible.IntersectRect(visible, *mClips.back()))
    return nsIntRect();
  return visible;
}

void XCanvas::blendPixels(const nsIntRect& area, const std::vector<uint32_t>& argb) {
  if (area.IsEmpty() || argb.size() != size_t(area.width) * size_t(area.height))
    return;
  XRenderPictFormat* target = XRenderFindVisualFormat(mX->display, mX->visual);
  XRenderPictFormat* source = XRenderFindStandardFormat(mX->display, PictStandardARGB32);
  if (!target || !source)
    return;  // no RENDER extension: pictures are left out
  Display* display = mX->display;
  const unsigned width = unsigned(area.width);
  const unsigned height = unsigned(area.height);
  Pixmap pixmap = XCreatePixmap(display, mX->drawable, width, height, 32);
  GC gc = XCreateGC(display, pixmap, 0, nullptr);
  // The image borrows the pixels; they are in this machine's byte order.
  XImage* image = XCreateImage(display, mX->visual, 32, ZPixmap, 0,
                               reinterpret_cast<char*>(const_cast<uint32_t*>(argb.data())), width,
                               height, 32, int(width * 4));
  const uint32_t probe = 1;
  image->byte_order = *reinterpret_cast<const unsigned char*>(&probe) ? LSBFirst : MSBFirst;
  XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, width, height);
  image->data = nullptr;
  XDestroyImage(image);
  Picture from = XRenderCreatePicture(display, pixmap, source, 0, nullptr);
  Picture onto = XRenderCreatePicture(display, mX->drawable, target, 0, nullptr);
  XRenderComposite(display, PictOpOver, from, 0, onto, 0, 0, 0, 0, area.x, area.y, width, height);
  XRenderFreePicture(display, onto);
  XRenderFreePicture(display, from);
  XFreeGC(display, gc);
  XFreePixmap(display, pixmap);
}

void XCanvas::setClip(const std::optional<nsIntRect>& clip) {
  mClips.assign(1, clip);
  applyClip(clip);
}

void XCanvas::pushClip(const nsIntRect& clip) {
  std::optional<nsIntRect> current = mClips.empty() ? std::nullopt : mClips.back();
  nsIntRect inside = clip;
  if (current && !inside.IntersectRect(*current, clip))
    inside = nsIntRect(current->x, current->y, 0, 0);
  mClips.push_back(inside);
  applyClip(inside);
}

void XCanvas::popClip() {
  if (!mClips.empty())
    mClips.pop_back();
  applyClip(mClips.empty() ? std::nullopt : mClips.back());
}

void XCanvas::applyClip(const std::optional<nsIntRect>& clip) {
  if (!clip) {
    XSetClipMask(mX->display, mX->gc, None);
    XftDrawSetClip(mX->draw, nullptr);
    return;
  }
  XRectangle rectangle;
  rectangle.x = short(clip->x);
  rectangle.y = short(clip->y);
  rectangle.width = static_cast<unsigned short>(std::max(0, clip->width));
  rectangle.height = static_cast<unsigned short>(std::max(0, clip->height));
  XSetClipRectangles(mX->display, mX->gc, 0, 0, &rectangle, 1, Unsorted);
  XftDrawSetClipRectangles(mX->draw, 0, 0, &rectangle, 1);
}

void XCanvas::sync() {
  XSync(mX->display, False);
}

}  // namespace geckohost::paint
