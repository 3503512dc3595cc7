// Form controls, images and list rows, drawn plainly: text fields white with their value
// (password characters as '*'), push buttons grey with their label, checkboxes and radios as
// white squares marked when checked, drop-downs with the selected option and an arrow box,
// list rows with their text (selected rows dark blue), textareas with their value wrapped at
// the client width. Images show their picture stretched over the content box (ImageScaler) and
// blended over the background; a broken image's box is grey with a 1 pixel inset frame and,
// when it has alt text, that text inside the frame and its padding. Iframes show only their
// border: their content is the child shell's widget.
#ifndef GECKOHOST_PAINT_CONTROLPAINTER_H
#define GECKOHOST_PAINT_CONTROLPAINTER_H

#include <cstdint>
#include <optional>

#include "layout/Box.h"

namespace geckohost::paint {

class DeviceMapping;
class TextDrawer;
class XCanvas;

class ControlPainter {
 public:
  ControlPainter(XCanvas& canvas, const DeviceMapping& mapping, TextDrawer& text)
      : mCanvas(canvas), mMapping(mapping), mText(text) {}

  // The background a control shows when its style gives none (a picture shows none).
  static std::optional<uint32_t> defaultBackground(const layout::Box& control);

  // What is inside the control's border (its background and border are painted already).
  void paint(const layout::Box& control);
  // A row of a list box.
  void paintOption(const layout::Box& row);

  static constexpr uint32_t kFieldColor = 0xffffff;
  static constexpr uint32_t kButtonColor = 0xd4d0c8;
  static constexpr uint32_t kImageColor = 0xc0c0c0;
  static constexpr uint32_t kSelectionColor = 0x3366cc;
  static constexpr uint32_t kMarkColor = 0x000000;
  static constexpr uint32_t kShadowColor = 0x808080;
  static constexpr uint32_t kLightColor = 0xe0e0e0;
  // A broken image's alt text starts inside its frame (1) and padding (3), as Gecko's icon box.
  static constexpr int kBrokenImageInset = 4;

 private:
  void paintTextField(const layout::Box& control);
  void paintPushButton(const layout::Box& control);
  void paintCheckMark(const layout::Box& control);
  void paintComboBox(const layout::Box& control);
  void paintTextArea(const layout::Box& control);
  void paintImage(const layout::Box& control);
  void paintBrokenImage(const layout::Box& control);

  XCanvas& mCanvas;               // weak
  const DeviceMapping& mMapping;  // weak
  TextDrawer& mText;              // weak
};

}  // namespace geckohost::paint

#endif
