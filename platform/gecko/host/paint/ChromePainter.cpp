#include "paint/ChromePainter.h"

#include "ChromeBox.h"
#include "dom/Element.h"
#include "paint/XCanvas.h"

namespace geckohost::paint {

namespace {

const dom::Element* elementOf(const ChromeBox& box) {
  return static_cast<const dom::Element*>(box.source);
}

bool isDisabled(const dom::Element& element) {
  const std::u16string* disabled = element.attributeValue(u"disabled");
  return disabled && *disabled == u"true";
}

// What a labelled element shows: its label, else its value, else its text.
std::u16string caption(const dom::Element& element) {
  for (const char16_t* name : {u"label", u"value"}) {
    if (const std::u16string* text = element.attributeValue(name))
      return *text;
  }
  return element.textContent().value_or(std::u16string());
}

// The glyph a navigation button shows instead of its label, as Firefox's icons do.
char32_t glyphFor(const std::u16string& id) {
  if (id == u"back-button")
    return U'\u2190';
  if (id == u"forward-button")
    return U'\u2192';
  if (id == u"reload-button")
    return U'\u21bb';
  if (id == u"stop-button" || id == u"find-closebutton")
    return U'\u00d7';
  if (id == u"home-button")
    return U'\u2302';
  return 0;
}

}  // namespace

void ChromePainter::paintDrawable(const ChromeBox& root, _XDisplay* display,
                                  unsigned long drawable) {
  XCanvas canvas(display, drawable);
  ChromePainter(canvas).paint(root);
  canvas.sync();
}

void ChromePainter::paint(const ChromeBox& root) {
  mCanvas.fillRect(root.rect, kWindowColor);
  paintBox(root);
}

void ChromePainter::paintBox(const ChromeBox& box) {
  const dom::Element* element = elementOf(box);
  if (!box.shown || box.rect.IsEmpty() || !element)
    return;
  const nsIntRect& r = box.rect;
  const std::string& tag = box.tag;
  if (tag == "toolbar" || tag == "findbar" || tag == "statusbar") {
    paintBar(r, kToolbarColor);
  } else if (tag == "tabs") {
    paintBar(r, kTabStripColor);
  } else if (tag == "toolbarbutton") {
    paintToolbarButton(box, *element);
  } else if (tag == "textbox") {
    paintTextField(r, caption(*element));
  } else if (tag == "tab") {
    paintTab(r, *element);
  } else if (tag == "button") {
    paintButton(r, caption(*element), isDisabled(*element));
  } else if (tag == "checkbox" || tag == "radio") {
    paintCheck(r, *element, tag == "radio");
  } else if (tag == "label" || tag == "description" || tag == "statusbarpanel") {
    text(r, r.x + 4, caption(*element), isDisabled(*element) ? kDisabledColor : kTextColor);
  } else if (tag == "toolbarseparator") {
    mCanvas.drawLine(r.x + r.width / 2, r.y + 4, r.x + r.width / 2, r.YMost() - 5, kShadowColor);
  }
  for (const ChromeBox& child : box.children)
    paintBox(child);
}

void ChromePainter::paintBar(const nsIntRect& rect, uint32_t color) {
  mCanvas.fillRect(rect, color);
  mCanvas.drawLine(rect.x, rect.YMost() - 1, rect.XMost() - 1, rect.YMost() - 1, kShadowColor);
}

void ChromePainter::paintToolbarButton(const ChromeBox& box, const dom::Element& element) {
  uint32_t color = isDisabled(element) ? kDisabledColor : kTextColor;
  if (char32_t sign = glyphFor(element.stringAttribute(u"id"))) {
    glyph(box.rect, sign, color);
    return;
  }
  text(box.rect, box.rect.x + 6, caption(element), color);
}

void ChromePainter::paintTextField(const nsIntRect& rect, const std::u16string& value) {
  nsIntRect field(rect.x + 2, rect.y + 3, rect.width - 4, rect.height - 6);
  if (field.width <= 0 || field.height <= 0)
    return;
  mCanvas.fillRect(field, kFieldColor);
  sunkenFrame(field);
  text(field, field.x + 4, value, kTextColor);
}

void ChromePainter::paintTab(const nsIntRect& rect, const dom::Element& element) {
  bool selected = element.stringAttribute(u"selected") == u"true";
  nsIntRect tab(rect.x + 1, rect.y + (selected ? 1 : 3), rect.width - 2,
                rect.height - (selected ? 1 : 3));
  mCanvas.fillRect(tab, selected ? kWindowColor : kToolbarColor);
  raisedFrame(tab);
  text(tab, tab.x + 8, caption(element), kTextColor);
}

void ChromePainter::paintButton(const nsIntRect& rect, const std::u16string& label, bool disabled) {
  nsIntRect button(rect.x + 2, rect.y + 1, rect.width - 4, rect.height - 2);
  mCanvas.fillRect(button, kToolbarColor);
  raisedFrame(button);
  text(button, -1, label, disabled ? kDisabledColor : kTextColor);
}

void ChromePainter::paintCheck(const nsIntRect& rect, const dom::Element& element, bool round) {
  nsIntRect mark(rect.x + 2, rect.y + (rect.height - 13) / 2, 13, 13);
  mCanvas.fillRect(mark, kFieldColor);
  sunkenFrame(mark);
  bool on = element.stringAttribute(round ? u"selected" : u"checked") == u"true";
  if (on)
    mCanvas.fillRect(nsIntRect(mark.x + 3, mark.y + 3, 7, 7), kTextColor);
  text(rect, mark.XMost() + 5, caption(element), isDisabled(element) ? kDisabledColor : kTextColor);
}

void ChromePainter::raisedFrame(const nsIntRect& rect) {
  const uint32_t colors[4] = {kLightColor, kShadowColor, kShadowColor, kLightColor};
  mCanvas.frameRect(rect, 1, colors);
}

void ChromePainter::sunkenFrame(const nsIntRect& rect) {
  const uint32_t colors[4] = {kShadowColor, kLightColor, kLightColor, kShadowColor};
  mCanvas.frameRect(rect, 1, colors);
}

void ChromePainter::text(const nsIntRect& rect, int x, std::u16string_view text, uint32_t rgb) {
  int room = (rect.XMost() - (x < 0 ? rect.x : x) - 2) / kCharWidth;
  if (room <= 0 || text.empty())
    return;
  std::u16string shown(text);
  if (static_cast<int>(shown.size()) > room)
    shown = room > 3 ? shown.substr(0, room - 3) + u"..." : shown.substr(0, room);
  int width = static_cast<int>(shown.size()) * kCharWidth;
  int left = x < 0 ? rect.x + (rect.width - width) / 2 : x;
  int baseline = rect.y + (rect.height + kFontSize) / 2 - 2;
  mCanvas.pushClip(rect);
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] != u' ') {
      mCanvas.drawCharacter(left + static_cast<int>(i) * kCharWidth, baseline, shown[i], kFontSize,
                            rgb);
    }
  }
  mCanvas.popClip();
}

void ChromePainter::glyph(const nsIntRect& rect, char32_t character, uint32_t rgb) {
  const int size = rect.height / 2 + 2;
  int left = rect.x + (rect.width - size * 6 / 10) / 2;
  int baseline = rect.y + (rect.height + size * 7 / 10) / 2;
  mCanvas.pushClip(rect);
  mCanvas.drawCharacter(left, baseline, character, size, rgb);
  mCanvas.popClip();
}

}  // namespace geckohost::paint
