#include "paint/DropDownPainter.h"

#include "dom/DOMStrings.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "layout/DocumentLayout.h"
#include "paint/XCanvas.h"

namespace geckohost::paint {

namespace {

constexpr int kFontSize = 11;
constexpr int kCharWidth = 7;  // DejaVu Sans Mono's advance at kFontSize

void drawText(XCanvas& canvas, const nsIntRect& row, std::u16string_view text, uint32_t rgb) {
  int baseline = row.y + (row.height + kFontSize) / 2 - 2;
  canvas.pushClip(row);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u' ')
      canvas.drawCharacter(row.x + 2 + int(i) * kCharWidth, baseline, text[i], kFontSize, rgb);
  }
  canvas.popClip();
}

}  // namespace

void DropDownPainter::paintList(layout::DocumentLayout& layout, dom::Element& select,
                                _XDisplay* display, unsigned long window) {
  nsIntRect list = layout.dropDownRectOnDevice(select);
  if (list.IsEmpty() || !select.isHTML(u"select"))
    return;
  XCanvas canvas(display, window);
  nsIntRect area(0, 0, list.width, list.height);
  canvas.fillRect(area, kListColor);
  const uint32_t border[4] = {kBorderColor, kBorderColor, kBorderColor, kBorderColor};
  canvas.frameRect(area, 1, border);
  auto& options = static_cast<dom::HTMLSelectElement&>(select);
  int32_t selected = options.selectedIndex();
  for (uint32_t index = 0; index < options.length(); ++index) {
    dom::HTMLOptionElement* option = options.optionAt(index);
    nsIntRect row = option ? layout.boundsOnDevice(*option) : nsIntRect();
    if (row.IsEmpty())
      continue;
    row.MoveBy(-list.x, -list.y);
    bool isSelected = int32_t(index) == selected;
    if (isSelected)
      canvas.fillRect(row, kSelectionColor);
    std::u16string text = dom::stripAndCollapseWhitespace(option->textContent().value_or(u""));
    drawText(canvas, row, text, isSelected ? kSelectedTextColor : kTextColor);
  }
  canvas.sync();
}

}  // namespace geckohost::paint
