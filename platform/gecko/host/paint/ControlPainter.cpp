#include "paint/ControlPainter.h"

#include <algorithm>

#include "dom/HTMLInputElement.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "dom/HTMLTextAreaElement.h"
#include "image/Image.h"
#include "layout/ControlSizes.h"
#include "layout/ImageSizing.h"
#include "layout/TextMetrics.h"
#include "paint/DeviceMapping.h"
#include "paint/ImageScaler.h"
#include "paint/TextDrawer.h"
#include "paint/XCanvas.h"

namespace geckohost::paint {

namespace {

using layout::ControlType;
using layout::TextMetrics;

const dom::HTMLInputElement& inputOf(const layout::Box& box) {
  return *static_cast<const dom::HTMLInputElement*>(box.element());
}

}  // namespace

std::optional<uint32_t> ControlPainter::defaultBackground(const layout::Box& control) {
  switch (control.controlType()) {
    case ControlType::TextField:
    case ControlType::FileField:
    case ControlType::CheckBox:
    case ControlType::Radio:
    case ControlType::ComboBox:
    case ControlType::ListBox:
    case ControlType::TextArea:
      return kFieldColor;
    case ControlType::PushButton:
      return kButtonColor;
    case ControlType::Image:
    case ControlType::ImageButton:
      if (control.image())
        return std::nullopt;
      return kImageColor;
    default:
      return std::nullopt;
  }
}

void ControlPainter::paint(const layout::Box& control) {
  switch (control.controlType()) {
    case ControlType::TextField:
    case ControlType::FileField:
      paintTextField(control);
      break;
    case ControlType::PushButton:
      paintPushButton(control);
      break;
    case ControlType::CheckBox:
    case ControlType::Radio:
      paintCheckMark(control);
      break;
    case ControlType::ComboBox:
      paintComboBox(control);
      break;
    case ControlType::TextArea:
      paintTextArea(control);
      break;
    case ControlType::Image:
    case ControlType::ImageButton:
      paintImage(control);
      break;
    default:
      break;
  }
}

void ControlPainter::paintTextField(const layout::Box& control) {
  const dom::HTMLInputElement& input = inputOf(control);
  std::u16string value = input.value();
  if (input.inputType() == dom::InputType::Password)
    value.assign(size_t(TextMetrics::characterCount(value)), u'*');
  nsRect content = control.contentRect();
  mCanvas.pushClip(mMapping.rectOf(control, control.paddingRect()));
  mText.draw(control, content.x, content.y, value, control.style().color.packed());
  if (control.controlType() == ControlType::FileField) {
    nsRect button(content.XMost() - layout::ControlSizes::kFileButtonWidth, content.y,
                  layout::ControlSizes::kFileButtonWidth, content.height);
    mCanvas.fillRect(mMapping.rectOf(control, button), kButtonColor);
    mText.draw(control, button.x + 4, button.y, u"Browse...", control.style().color.packed());
  }
  mCanvas.popClip();
}

void ControlPainter::paintPushButton(const layout::Box& control) {
  std::u16string label = layout::ControlSizes::buttonLabel(inputOf(control));
  nsRect content = control.contentRect();
  int textWidth = TextMetrics::width(label);
  int x = content.x + std::max(0, (content.width - textWidth) / 2);
  int y = content.y + std::max(0, (content.height - TextMetrics::kLineHeight) / 2);
  mCanvas.pushClip(mMapping.rectOf(control, control.paddingRect()));
  mText.draw(control, x, y, label, control.style().color.packed());
  mCanvas.popClip();
}

void ControlPainter::paintCheckMark(const layout::Box& control) {
  nsIntRect box = mMapping.rectOf(control, control.rect());
  const uint32_t frame[4] = {kMarkColor, kMarkColor, kMarkColor, kMarkColor};
  mCanvas.frameRect(box, 1, frame);
  if (!inputOf(control).checked())
    return;
  int inset = std::max(3, box.width / 4);
  mCanvas.fillRect(
      nsIntRect(box.x + inset, box.y + inset, box.width - 2 * inset, box.height - 2 * inset),
      kMarkColor);
}

void ControlPainter::paintComboBox(const layout::Box& control) {
  auto& select = *static_cast<dom::HTMLSelectElement*>(control.element());
  nsRect content = control.contentRect();
  nsRect arrow(content.XMost() - layout::ControlSizes::kArrowWidth, content.y,
               layout::ControlSizes::kArrowWidth, content.height);
  int selected = select.selectedIndex();
  mCanvas.pushClip(mMapping.rectOf(control, control.paddingRect()));
  if (selected >= 0) {
    mText.draw(control, content.x, content.y, select.optionAt(uint32_t(selected))->text(),
               control.style().color.packed());
  }
  nsIntRect arrowBox = mMapping.rectOf(control, arrow);
  mCanvas.fillRect(arrowBox, kButtonColor);
  // A small downward triangle in the middle of the arrow box.
  int middle = arrowBox.x + arrowBox.width / 2;
  int top = arrowBox.y + arrowBox.height / 2 - 2;
  for (int row = 0; row < 4; ++row)
    mCanvas.drawLine(middle - 3 + row, top + row, middle + 3 - row, top + row, kMarkColor);
  mCanvas.popClip();
}

void ControlPainter::paintTextArea(const layout::Box& control) {
  std::u16string value = static_cast<const dom::HTMLTextAreaElement*>(control.element())->value();
  const layout::ScrollArea& scroll = *control.scrollArea();
  nsRect content = control.contentRect();
  size_t perLine = size_t(
      std::max(1, (content.width - layout::ScrollArea::kScrollbarSize) / TextMetrics::kCharWidth));
  mCanvas.pushClip(mMapping.rectOf(control, control.scrollport()));
  int y = content.y - scroll.position.y;
  size_t start = 0;
  while (true) {
    size_t end = value.find(u'\n', start);
    std::u16string_view line = std::u16string_view(value).substr(
        start, end == std::u16string::npos ? std::u16string::npos : end - start);
    do {
      mText.draw(control, content.x, y, line.substr(0, perLine), control.style().color.packed());
      line.remove_prefix(std::min(perLine, line.size()));
      y += TextMetrics::kLineHeight;
    } while (!line.empty());
    if (end == std::u16string::npos)
      break;
    start = end + 1;
  }
  mCanvas.popClip();
}

void ControlPainter::paintImage(const layout::Box& control) {
  const image::Image* picture = control.image();
  if (!picture) {
    paintBrokenImage(control);
    return;
  }
  nsIntRect target = mMapping.rectOf(control, control.contentRect());
  nsIntRect visible = mCanvas.visiblePart(target);
  if (!visible.IsEmpty())
    mCanvas.blendPixels(visible, ImageScaler::scaledPart(*picture, target, visible));
}

void ControlPainter::paintBrokenImage(const layout::Box& control) {
  nsRect content = control.contentRect();
  nsIntRect frame = mMapping.rectOf(control, content);
  const uint32_t inset[4] = {kShadowColor, kLightColor, kLightColor, kShadowColor};
  mCanvas.frameRect(frame, mMapping.length(1), inset);
  std::optional<std::u16string> alt = layout::ImageSizing::altText(*control.element());
  if (!alt || alt->empty())
    return;
  mCanvas.pushClip(frame);
  mText.draw(control, content.x + kBrokenImageInset, content.y + kBrokenImageInset, *alt,
             control.style().color.packed());
  mCanvas.popClip();
}

void ControlPainter::paintOption(const layout::Box& row) {
  const dom::Element& element = *row.element();
  std::u16string text = element.isHTML(u"option")
                            ? static_cast<const dom::HTMLOptionElement&>(element).text()
                            : element.stringAttribute(u"label");
  uint32_t color = row.style().color.packed();
  if (element.isHTML(u"option") &&
      const_cast<dom::HTMLOptionElement&>(static_cast<const dom::HTMLOptionElement&>(element))
          .selected()) {
    mCanvas.fillRect(mMapping.rectOf(row, row.rect()), kSelectionColor);
    color = 0xffffff;
  }
  mText.draw(row, row.rect().x, row.rect().y, text, color);
}

}  // namespace geckohost::paint
