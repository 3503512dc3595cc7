#include "layout/UserAgentStyle.h"

#include <string_view>

#include "dom/Element.h"
#include "dom/HTMLInputElement.h"
#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

bool isOneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view candidate : names) {
    if (name == candidate)
      return true;
  }
  return false;
}

void setBorder(ComputedStyle& style, int width, BorderStyle kind) {
  style.borderWidth = Sides<int>::all(width);
  style.borderStyle = Sides<BorderStyle>::all(kind);
}

void setVerticalMargins(ComputedStyle& style, int margin) {
  style.margin.top = Length::px(margin);
  style.margin.bottom = Length::px(margin);
}

// Borders and paddings of the form controls; their content sizes come from ControlSizes.
void applyControlDefaults(const dom::Element& element, ComputedStyle& style) {
  const std::u16string_view name = element.localName();
  style.display = Display::InlineBlock;
  if (name == u"input") {
    switch (static_cast<const dom::HTMLInputElement&>(element).inputType()) {
      case dom::InputType::Hidden:
        style.display = Display::None;
        return;
      case dom::InputType::Checkbox:
      case dom::InputType::Radio:
        style.margin = Sides<Length>{Length::px(3), Length::px(3), Length::px(3), Length::px(4)};
        return;
      case dom::InputType::Image:
        return;
      case dom::InputType::Submit:
      case dom::InputType::Reset:
      case dom::InputType::Button:
        setBorder(style, UserAgentStyle::kControlBorder, BorderStyle::Outset);
        style.padding = Sides<Length>{Length::px(1), Length::px(6), Length::px(1), Length::px(6)};
        return;
      default:
        setBorder(style, UserAgentStyle::kControlBorder, BorderStyle::Inset);
        style.padding = Sides<Length>::all(Length::px(1));
        return;
    }
  }
  if (name == u"button") {
    setBorder(style, UserAgentStyle::kControlBorder, BorderStyle::Outset);
    style.padding = Sides<Length>{Length::px(1), Length::px(6), Length::px(1), Length::px(6)};
    style.backgroundColor = Color::rgb(0xd4, 0xd0, 0xc8);
  } else if (name == u"select") {
    setBorder(style, UserAgentStyle::kControlBorder, BorderStyle::Inset);
  } else if (name == u"textarea") {
    setBorder(style, UserAgentStyle::kControlBorder, BorderStyle::Inset);
    style.padding = Sides<Length>::all(Length::px(1));
  }
}

}  // namespace

void UserAgentStyle::apply(const dom::Element& element, ComputedStyle& style) {
  style.display = Display::Inline;
  if (!element.isHTML())
    return;
  const std::u16string_view name = element.localName();

  if (isOneOf(name, {u"head", u"script", u"style", u"title", u"meta", u"link", u"base", u"area",
                     u"noscript", u"noembed", u"noframes", u"param", u"col", u"colgroup",
                     u"datalist", u"template", u"option", u"optgroup"})) {
    // Options show inside their select's box (list boxes give them rows of their own).
    style.display = Display::None;
  } else if (isOneOf(name, {u"html",   u"body",   u"div",      u"p",    u"address",  u"blockquote",
                            u"center", u"dl",     u"dt",       u"dd",   u"fieldset", u"form",
                            u"h1",     u"h2",     u"h3",       u"h4",   u"h5",       u"h6",
                            u"hr",     u"legend", u"li",       u"ol",   u"ul",       u"menu",
                            u"dir",    u"pre",    u"frameset", u"frame"})) {
    style.display = Display::Block;
  } else if (isOneOf(name, {u"input", u"button", u"select", u"textarea"})) {
    applyControlDefaults(element, style);
  } else if (isOneOf(name, {u"img", u"iframe"})) {
    style.display = Display::InlineBlock;
  } else if (name == u"table") {
    style.display = Display::Table;
    style.borderSpacing = kTableSpacing;
  } else if (name == u"caption") {
    style.display = Display::TableCaption;
  } else if (isOneOf(name, {u"thead", u"tbody", u"tfoot"})) {
    style.display = Display::TableRowGroup;
  } else if (name == u"tr") {
    style.display = Display::TableRow;
  } else if (name == u"td" || name == u"th") {
    style.display = Display::TableCell;
    style.padding = Sides<Length>::all(Length::px(kCellPadding));
  }

  if (name == u"body") {
    style.margin = Sides<Length>::all(Length::px(kBodyMargin));
  } else if (isOneOf(name, {u"p", u"dl", u"pre", u"h1", u"h2", u"h3", u"h4", u"h5", u"h6"})) {
    setVerticalMargins(style, kParagraphMargin);
  } else if (isOneOf(name, {u"ul", u"ol", u"menu", u"dir"})) {
    setVerticalMargins(style, kParagraphMargin);
    style.padding.left = Length::px(kIndent);
  } else if (name == u"blockquote") {
    setVerticalMargins(style, kParagraphMargin);
    style.margin.left = style.margin.right = Length::px(kIndent);
  } else if (name == u"dd") {
    style.margin.left = Length::px(kIndent);
  } else if (name == u"hr") {
    // A 2 pixel rule: no content, a 1 pixel border above and below.
    setVerticalMargins(style, 8);
    setBorder(style, 1, BorderStyle::Inset);
  } else if (name == u"fieldset") {
    style.margin.left = style.margin.right = Length::px(2);
    setBorder(style, 2, BorderStyle::Inset);
    style.padding = Sides<Length>{Length::px(4), Length::px(8), Length::px(8), Length::px(8)};
  } else if (name == u"iframe") {
    setBorder(style, kFrameBorder, BorderStyle::Inset);
  }
  if (name == u"pre")
    style.whiteSpace = WhiteSpace::Pre;
}

}  // namespace geckohost::layout
