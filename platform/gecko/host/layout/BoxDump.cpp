#include "layout/BoxDump.h"

#include <sstream>

#include "dom/DOMStrings.h"
#include "dom/Element.h"
#include "image/Image.h"
#include "layout/Box.h"
#include "layout/DevicePixels.h"
#include "layout/OffsetGeometry.h"

namespace geckohost::layout {

namespace {

std::string rectText(const nsRect& rect) {
  std::ostringstream text;
  text << "(" << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height << ")";
  return text.str();
}

std::string sidesText(const Sides<int>& sides) {
  std::ostringstream text;
  text << sides.top << "," << sides.right << "," << sides.bottom << "," << sides.left;
  return text.str();
}

std::string elementName(const dom::Element* element) {
  if (!element)
    return "-";
  std::string name = dom::utf16ToUTF8(element->localName());
  std::u16string id = element->id();
  if (!id.empty())
    name += "#" + dom::utf16ToUTF8(id);
  return name;
}

const char* controlName(ControlType type) {
  switch (type) {
    case ControlType::Image:
      return "image";
    case ControlType::TextField:
      return "text";
    case ControlType::FileField:
      return "file";
    case ControlType::CheckBox:
      return "checkbox";
    case ControlType::Radio:
      return "radio";
    case ControlType::PushButton:
      return "button";
    case ControlType::ImageButton:
      return "image button";
    case ControlType::ComboBox:
      return "combo box";
    case ControlType::ListBox:
      return "list box";
    case ControlType::TextArea:
      return "text area";
    case ControlType::IFrame:
      return "iframe";
    case ControlType::None:
      break;
  }
  return "";
}

// An image box's natural size, or that its image is broken.
std::string pictureNote(const Box& box) {
  if (box.controlType() != ControlType::Image && box.controlType() != ControlType::ImageButton)
    return "";
  if (!box.image())
    return " broken";
  return " " + std::to_string(box.image()->width()) + "x" + std::to_string(box.image()->height());
}

std::string boxName(const Box& box) {
  switch (box.kind()) {
    case BoxKind::Text:
      return "#text";
    case BoxKind::TableGrid:
      return "[table grid]";
    case BoxKind::Control:
      return elementName(box.element()) + " [" + controlName(box.controlType()) + pictureNote(box) +
             "]";
    default:
      return elementName(box.element());
  }
}

}  // namespace

std::string BoxDump::of(const Box& viewport, double zoom) {
  std::ostringstream head;
  const ScrollArea& scroll = *viewport.scrollArea();
  head << "viewport " << viewport.rect().width << "x" << viewport.rect().height << " client "
       << scroll.clientSize.width << "x" << scroll.clientSize.height << " size "
       << scroll.scrollSize.width << "x" << scroll.scrollSize.height << " at " << scroll.position.x
       << "," << scroll.position.y;
  if (zoom != 1.0)
    head << " zoom " << zoom;
  std::string out = head.str() + "\n";
  const Box* root = viewport.children().empty() ? nullptr : viewport.children().front().get();
  for (const auto& child : viewport.children())
    dumpBox(*child, root, zoom, 1, out);
  return out;
}

void BoxDump::dumpBox(const Box& box, const Box* root, double zoom, int depth, std::string& out) {
  if (box.kind() == BoxKind::Text && !box.hasGeometry())
    return;  // white space that collapsed away
  std::ostringstream line;
  line << std::string(size_t(depth) * 2, ' ') << boxName(box);
  if (box.kind() == BoxKind::Text || box.kind() == BoxKind::Inline ||
      box.kind() == BoxKind::LineBreak) {
    for (const Fragment& fragment : box.fragments()) {
      line << " ";
      if (box.kind() == BoxKind::Text)
        line << "\"" << dom::utf16ToUTF8(fragment.text) << "\" ";
      line << rectText(fragment.rect);
    }
    if (box.fragments().empty())
      line << " (no fragments)";
  } else {
    line << " " << rectText(box.rect());
  }
  if (box.margin() != Sides<int>())
    line << " m " << sidesText(box.margin());
  if (box.border() != Sides<int>())
    line << " b " << sidesText(box.border());
  if (box.padding() != Sides<int>())
    line << " p " << sidesText(box.padding());
  bool primary = box.node() && box.node()->isElement() && box.kind() != BoxKind::TableGrid &&
                 box.kind() != BoxKind::Text;
  if (primary && root && box.hasGeometry()) {
    OffsetBox offsets = OffsetGeometry::offsetBox(box, *root);
    line << " offset " << offsets.left << "," << offsets.top << " " << offsets.width << "x"
         << offsets.height;
    if (offsets.offsetParent)
      line << " in " << elementName(offsets.offsetParent);
  }
  if (const ScrollArea* scroll = box.scrollArea()) {
    line << " client " << scroll->clientSize.width << "x" << scroll->clientSize.height << " size "
         << scroll->scrollSize.width << "x" << scroll->scrollSize.height;
    if (scroll->verticalBar || scroll->horizontalBar)
      line << " bars " << (scroll->verticalBar ? "v" : "") << (scroll->horizontalBar ? "h" : "");
  }
  if (zoom != 1.0 && box.hasGeometry()) {
    nsIntRect device = DevicePixels::toDevice(box.rect(), zoom);
    line << " dev " << rectText(nsRect(device.x, device.y, device.width, device.height));
  }
  out += line.str() + "\n";
  for (const auto& child : box.children())
    dumpBox(*child, root, zoom, depth + 1, out);
}

}  // namespace geckohost::layout
