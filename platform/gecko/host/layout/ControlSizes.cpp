#include "layout/ControlSizes.h"

#include <algorithm>

#include "dom/HTMLInputElement.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "layout/ImageSizing.h"
#include "layout/TextMetrics.h"

namespace geckohost::layout {

namespace {

int positiveAttribute(const dom::Element& element, std::u16string_view name, int fallback) {
  int value = element.intAttribute(name, fallback);
  return value > 0 ? value : fallback;
}

// The option texts of a select, as the list shows them.
int longestOptionWidth(const dom::HTMLSelectElement& select) {
  int widest = 0;
  auto& mutableSelect = const_cast<dom::HTMLSelectElement&>(select);
  for (uint32_t i = 0, count = mutableSelect.length(); i < count; ++i) {
    widest = std::max(widest, TextMetrics::width(mutableSelect.optionAt(i)->text()));
  }
  return widest;
}

}  // namespace

ControlType ControlSizes::typeOf(const dom::Element& element) {
  if (!element.isHTML())
    return ControlType::None;
  const std::u16string_view name = element.localName();
  if (name == u"img")
    return ControlType::Image;
  if (name == u"iframe")
    return ControlType::IFrame;
  if (name == u"textarea")
    return ControlType::TextArea;
  if (name == u"select") {
    return isListBox(static_cast<const dom::HTMLSelectElement&>(element)) ? ControlType::ListBox
                                                                          : ControlType::ComboBox;
  }
  if (name != u"input")
    return ControlType::None;
  switch (static_cast<const dom::HTMLInputElement&>(element).inputType()) {
    case dom::InputType::Checkbox:
      return ControlType::CheckBox;
    case dom::InputType::Radio:
      return ControlType::Radio;
    case dom::InputType::Submit:
    case dom::InputType::Reset:
    case dom::InputType::Button:
      return ControlType::PushButton;
    case dom::InputType::Image:
      return ControlType::ImageButton;
    case dom::InputType::File:
      return ControlType::FileField;
    case dom::InputType::Hidden:
      return ControlType::None;
    default:
      return ControlType::TextField;
  }
}

bool ControlSizes::isListBox(const dom::HTMLSelectElement& select) {
  return select.multiple() || select.size() > 1;
}

int ControlSizes::listBoxRows(const dom::HTMLSelectElement& select) {
  int size = select.size();
  return size > 1 ? size : kDefaultListRows;
}

std::u16string ControlSizes::buttonLabel(const dom::HTMLInputElement& input) {
  if (const std::u16string* value = input.attributeValue(u"value"))
    return *value;
  switch (input.inputType()) {
    case dom::InputType::Submit:
      return u"Submit Query";
    case dom::InputType::Reset:
      return u"Reset";
    default:
      return u"";
  }
}

nsSize ControlSizes::contentSize(const Box& box, std::optional<int> width,
                                 std::optional<int> height) {
  if (box.controlType() == ControlType::Image || box.controlType() == ControlType::ImageButton)
    return ImageSizing::contentSize(box.image(), width, height);
  nsSize size = ownSize(box.controlType(), *box.element());
  return nsSize(width.value_or(size.width), height.value_or(size.height));
}

nsSize ControlSizes::ownSize(ControlType type, const dom::Element& element) {
  constexpr int kChar = TextMetrics::kCharWidth;
  constexpr int kLine = TextMetrics::kLineHeight;
  switch (type) {
    case ControlType::TextField:
      return nsSize(positiveAttribute(element, u"size", kDefaultInputSize) * kChar, kLine);
    case ControlType::FileField:
      return nsSize(
          positiveAttribute(element, u"size", kDefaultInputSize) * kChar + kFileButtonWidth, kLine);
    case ControlType::CheckBox:
    case ControlType::Radio:
      return nsSize(kCheckSize, kCheckSize);
    case ControlType::PushButton:
      return nsSize(
          TextMetrics::width(buttonLabel(static_cast<const dom::HTMLInputElement&>(element))),
          kLine);
    case ControlType::ComboBox:
      return nsSize(
          longestOptionWidth(static_cast<const dom::HTMLSelectElement&>(element)) + kArrowWidth,
          kLine);
    case ControlType::ListBox: {
      auto& select = static_cast<const dom::HTMLSelectElement&>(element);
      return nsSize(longestOptionWidth(select) + ScrollArea::kScrollbarSize,
                    listBoxRows(select) * kLine);
    }
    case ControlType::TextArea:
      return nsSize(
          positiveAttribute(element, u"cols", kDefaultCols) * kChar + ScrollArea::kScrollbarSize,
          positiveAttribute(element, u"rows", kDefaultRows) * kLine);
    case ControlType::IFrame:
      return nsSize(kFrameWidth, kFrameHeight);
    case ControlType::Image:
    case ControlType::ImageButton:
    case ControlType::None:
      break;
  }
  return nsSize();
}

}  // namespace geckohost::layout
