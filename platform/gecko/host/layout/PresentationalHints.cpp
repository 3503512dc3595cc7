#include "layout/PresentationalHints.h"

#include <optional>

#include "dom/DOMStrings.h"
#include "dom/Element.h"
#include "dom/HTMLInputElement.h"
#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

// "120" -> 120px, "50%" -> 50%; nothing for text without a leading number.
std::optional<Length> dimensionAttribute(const dom::Element& element, std::u16string_view name) {
  const std::u16string* text = element.attributeValue(name);
  if (!text)
    return std::nullopt;
  std::optional<int32_t> number = dom::parseHTMLInteger(*text);
  if (!number || *number < 0)
    return std::nullopt;
  if (text->find(u'%') != std::u16string::npos)
    return Length::percent(float(*number));
  return Length::px(*number);
}

void applyDimensions(const dom::Element& element, ComputedStyle& style, bool withHeight) {
  if (auto width = dimensionAttribute(element, u"width"))
    style.width = *width;
  if (!withHeight)
    return;
  if (auto height = dimensionAttribute(element, u"height"))
    style.height = *height;
}

void applyColorAttribute(const dom::Element& element, std::u16string_view name, Color& out) {
  if (const std::u16string* text = element.attributeValue(name)) {
    if (auto color = Color::parse(dom::utf16ToUTF8(*text)))
      out = *color;
  }
}

const dom::Element* enclosingTable(const dom::Element& element) {
  for (dom::Element* parent = element.parentElement(); parent; parent = parent->parentElement()) {
    if (parent->isHTML(u"table"))
      return parent;
  }
  return nullptr;
}

// border="" and border (no value) mean 1, as in browsers; border="0" means none.
std::optional<int> tableBorder(const dom::Element& table) {
  const std::u16string* text = table.attributeValue(u"border");
  if (!text)
    return std::nullopt;
  return dom::parseHTMLInteger(*text).value_or(1);
}

void setAllBorders(ComputedStyle& style, int width, BorderStyle kind) {
  style.borderWidth = Sides<int>::all(width);
  style.borderStyle = Sides<BorderStyle>::all(width > 0 ? kind : BorderStyle::None);
}

void applyTableHints(const dom::Element& table, ComputedStyle& style) {
  applyDimensions(table, style, true);
  applyColorAttribute(table, u"bgcolor", style.backgroundColor);
  if (auto border = tableBorder(table))
    setAllBorders(style, *border, BorderStyle::Outset);
  if (const std::u16string* spacing = table.attributeValue(u"cellspacing")) {
    if (auto number = dom::parseHTMLInteger(*spacing); number && *number >= 0)
      style.borderSpacing = *number;
  }
}

void applyCellHints(const dom::Element& cell, ComputedStyle& style) {
  applyDimensions(cell, style, true);
  applyColorAttribute(cell, u"bgcolor", style.backgroundColor);
  const dom::Element* table = enclosingTable(cell);
  if (!table)
    return;
  if (auto border = tableBorder(*table); border && *border > 0)
    setAllBorders(style, 1, BorderStyle::Inset);
  if (const std::u16string* padding = table->attributeValue(u"cellpadding")) {
    if (auto number = dom::parseHTMLInteger(*padding); number && *number >= 0)
      style.padding = Sides<Length>::all(Length::px(*number));
  }
}

bool frameBorderOff(const dom::Element& element) {
  const std::u16string* text = element.attributeValue(u"frameborder");
  return text && (*text == u"0" || dom::equalsIgnoringASCIICase(*text, u"no"));
}

}  // namespace

void PresentationalHints::apply(const dom::Element& element, ComputedStyle& style) {
  if (!element.isHTML())
    return;
  const std::u16string_view name = element.localName();
  if (name == u"img" || name == u"embed" || name == u"object") {
    applyDimensions(element, style, true);
  } else if (name == u"input") {
    if (static_cast<const dom::HTMLInputElement&>(element).inputType() == dom::InputType::Image)
      applyDimensions(element, style, true);
  } else if (name == u"iframe") {
    applyDimensions(element, style, true);
    if (frameBorderOff(element))
      setAllBorders(style, 0, BorderStyle::None);
  } else if (name == u"table") {
    applyTableHints(element, style);
  } else if (name == u"td" || name == u"th") {
    applyCellHints(element, style);
  } else if (name == u"tr" || name == u"body") {
    applyColorAttribute(element, u"bgcolor", style.backgroundColor);
  } else if (name == u"font") {
    applyColorAttribute(element, u"color", style.color);
  } else if (name == u"hr" || name == u"div") {
    applyDimensions(element, style, false);
  }
}

}  // namespace geckohost::layout
