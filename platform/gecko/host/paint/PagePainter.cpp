#include "paint/PagePainter.h"

#include <algorithm>
#include <vector>

#include "dom/Element.h"
#include "layout/Box.h"
#include "layout/DevicePixels.h"
#include "layout/DocumentLayout.h"
#include "paint/XCanvas.h"

namespace geckohost::paint {

namespace {

constexpr uint32_t kShadowColor = ControlPainter::kShadowColor;
constexpr uint32_t kLightColor = ControlPainter::kLightColor;

// The colours of a border's four sides (top, right, bottom, left): inset borders are dark
// above and left, outset ones below and right; other styles take their colour.
void borderColors(const layout::ComputedStyle& style, uint32_t (&colors)[4]) {
  const layout::BorderStyle styles[4] = {style.borderStyle.top, style.borderStyle.right,
                                         style.borderStyle.bottom, style.borderStyle.left};
  const std::optional<layout::Color> given[4] = {style.borderColor.top, style.borderColor.right,
                                                 style.borderColor.bottom, style.borderColor.left};
  for (int side = 0; side < 4; ++side) {
    bool leading = side == 0 || side == 3;
    if (styles[side] == layout::BorderStyle::Inset)
      colors[side] = leading ? kShadowColor : kLightColor;
    else if (styles[side] == layout::BorderStyle::Outset)
      colors[side] = leading ? kLightColor : kShadowColor;
    else
      colors[side] = given[side].value_or(style.color).packed();
  }
}

}  // namespace

void PagePainter::paintDrawable(layout::DocumentLayout& layout, _XDisplay* display,
                                unsigned long drawable) {
  XCanvas canvas(display, drawable);
  PagePainter(layout, canvas).paint();
  canvas.sync();
}

PagePainter::PagePainter(layout::DocumentLayout& layout, XCanvas& canvas)
    : mLayout(layout),
      mCanvas(canvas),
      mMapping(layout.zoom(), layout.scrollPosition()),
      mText(canvas, mMapping),
      mControls(canvas, mMapping, mText) {}

uint32_t PagePainter::canvasColor() const {
  const layout::Box* viewport = mLayout.viewportBox();
  if (!viewport || viewport->children().empty())
    return kCanvasColor;
  const layout::Box& root = *viewport->children().front();
  if (!root.style().backgroundColor.isTransparent())
    return root.style().backgroundColor.packed();
  for (const auto& child : root.children()) {
    const dom::Element* element = child->element();
    if (element && element->isHTML(u"body") && !child->style().backgroundColor.isTransparent())
      return child->style().backgroundColor.packed();
  }
  return kCanvasColor;
}

void PagePainter::paint() {
  const layout::Box* viewport = mLayout.viewportBox();
  if (!viewport)
    return;
  mCanvas.setClip(std::nullopt);
  nsIntRect whole = layout::DevicePixels::toDevice(viewport->rect(), mMapping.zoom());
  mCanvas.fillRect(whole, canvasColor());
  std::vector<layout::Box*> order = mLayout.paintOrder();
  for (const layout::Box* box : order) {
    if (box->kind() == layout::BoxKind::Viewport || !box->hasGeometry() ||
        box->style().visibility == layout::Visibility::Hidden) {
      continue;
    }
    mCanvas.setClip(mMapping.clipOf(*box));
    paintBox(*box);
  }
  // Scrollbars last, above what scrolls under them.
  for (const layout::Box* box : order) {
    if (!box->scrollArea() || box->kind() == layout::BoxKind::Viewport)
      continue;
    mCanvas.setClip(mMapping.clipOf(*box));
    paintScrollbars(*box, mMapping.rectOf(*box, box->scrollport()));
  }
  mCanvas.setClip(std::nullopt);
  const layout::ScrollArea& page = *viewport->scrollArea();
  nsIntRect client = layout::DevicePixels::toDevice(
      nsRect(0, 0, page.clientSize.width, page.clientSize.height), mMapping.zoom());
  paintScrollbars(*viewport, client);
}

void PagePainter::paintBox(const layout::Box& box) {
  switch (box.kind()) {
    case layout::BoxKind::Text:
      for (const layout::Fragment& fragment : box.fragments()) {
        mText.draw(box, fragment.rect.x, fragment.rect.y, fragment.text,
                   box.style().color.packed());
      }
      return;
    case layout::BoxKind::Inline:
      for (const layout::Fragment& fragment : box.fragments())
        paintBackgroundAndBorders(box, fragment.rect);
      return;
    case layout::BoxKind::LineBreak:
    case layout::BoxKind::TableWrapper:
    case layout::BoxKind::Frame:
      return;
    case layout::BoxKind::Frameset:
      // The borders between frames; the frames' own widgets cover their cells.
      mCanvas.fillRect(mMapping.rectOf(box, box.rect()), kFramesetColor);
      return;
    case layout::BoxKind::ListOption:
      mControls.paintOption(box);
      return;
    case layout::BoxKind::Control:
      if (box.style().backgroundColor.isTransparent()) {
        if (std::optional<uint32_t> color = ControlPainter::defaultBackground(box))
          mCanvas.fillRect(mMapping.rectOf(box, box.paddingRect()), *color);
      }
      paintBackgroundAndBorders(box, box.rect());
      mControls.paint(box);
      return;
    default:
      paintBackgroundAndBorders(box, box.rect());
      return;
  }
}

void PagePainter::paintBackgroundAndBorders(const layout::Box& box, const nsRect& rect) {
  const layout::ComputedStyle& style = box.style();
  nsIntRect device = mMapping.rectOf(box, rect);
  if (!style.backgroundColor.isTransparent())
    mCanvas.fillRect(device, style.backgroundColor.packed());
  layout::Sides<int> border = style.usedBorder();
  if (border == layout::Sides<int>())
    return;
  uint32_t colors[4];
  borderColors(style, colors);
  // Each side as thick as its own width.
  int top = mMapping.length(border.top);
  int right = mMapping.length(border.right);
  int bottom = mMapping.length(border.bottom);
  int left = mMapping.length(border.left);
  mCanvas.fillRect(nsIntRect(device.x, device.y, device.width, top), colors[0]);
  mCanvas.fillRect(nsIntRect(device.XMost() - right, device.y, right, device.height), colors[1]);
  mCanvas.fillRect(nsIntRect(device.x, device.YMost() - bottom, device.width, bottom), colors[2]);
  mCanvas.fillRect(nsIntRect(device.x, device.y, left, device.height), colors[3]);
}

void PagePainter::paintScrollbars(const layout::Box& box, const nsIntRect& port) {
  const layout::ScrollArea& scroll = *box.scrollArea();
  const int bar = mMapping.length(layout::ScrollArea::kScrollbarSize);
  // The thumb is as long as the client area is to the scroll size, placed by the position.
  auto thumb = [](int track, int client, int size, int position) {
    int length = size > 0 ? std::max(8, int((long long)track * client / size)) : track;
    length = std::min(length, track);
    int room = size - client;
    int offset = room > 0 ? int((long long)(track - length) * position / room) : 0;
    return std::make_pair(offset, length);
  };
  if (scroll.verticalBar) {
    nsIntRect track(port.XMost(), port.y, bar, port.height);
    mCanvas.fillRect(track, kTrackColor);
    auto [offset, length] =
        thumb(track.height, scroll.clientSize.height, scroll.scrollSize.height, scroll.position.y);
    mCanvas.fillRect(nsIntRect(track.x + 2, track.y + offset, bar - 4, length), kThumbColor);
  }
  if (scroll.horizontalBar) {
    nsIntRect track(port.x, port.YMost(), port.width, bar);
    mCanvas.fillRect(track, kTrackColor);
    auto [offset, length] =
        thumb(track.width, scroll.clientSize.width, scroll.scrollSize.width, scroll.position.x);
    mCanvas.fillRect(nsIntRect(track.x + offset, track.y + 2, length, bar - 4), kThumbColor);
  }
}

}  // namespace geckohost::paint
