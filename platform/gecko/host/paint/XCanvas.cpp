#include "paint/XCanvas.h"

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <map>

namespace geckohost::paint {

struct XCanvas::XState {
  Display* display;  // weak
  ::Drawable drawable;
  Visual* visual;  // weak; the screen's
  Colormap colormap;
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
