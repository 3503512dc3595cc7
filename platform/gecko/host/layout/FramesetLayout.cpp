#include "layout/FramesetLayout.h"

#include <algorithm>
#include <cmath>

#include "dom/DOMStrings.h"
#include "dom/Element.h"
#include "layout/Box.h"

namespace geckohost::layout {

namespace {

struct Entry {
  enum class Kind { Pixels, Percent, Relative } kind;
  int value;
};

std::u16string_view trimmed(std::u16string_view text) {
  while (!text.empty() && dom::isHTMLWhitespace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && dom::isHTMLWhitespace(text.back()))
    text.remove_suffix(1);
  return text;
}

Entry parseEntry(std::u16string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.back() == u'*') {
    std::optional<int32_t> weight = dom::parseHTMLInteger(text.substr(0, text.size() - 1));
    return Entry{Entry::Kind::Relative, weight && *weight >= 0 ? *weight : 1};
  }
  std::optional<int32_t> number = dom::parseHTMLInteger(text);
  if (!number || *number < 0)
    return Entry{Entry::Kind::Relative, 1};
  if (!text.empty() && text.back() == u'%')
    return Entry{Entry::Kind::Percent, *number};
  return Entry{Entry::Kind::Pixels, *number};
}

std::vector<Entry> parseList(std::u16string_view list) {
  std::vector<Entry> entries;
  if (trimmed(list).empty())
    return {Entry{Entry::Kind::Relative, 1}};
  size_t start = 0;
  while (true) {
    size_t comma = list.find(u',', start);
    entries.push_back(parseEntry(list.substr(
        start, comma == std::u16string_view::npos ? std::u16string_view::npos : comma - start)));
    if (comma == std::u16string_view::npos)
      break;
    start = comma + 1;
  }
  return entries;
}

}  // namespace

std::vector<int> FramesetLayout::sizes(std::u16string_view list, int available) {
  std::vector<Entry> entries = parseList(list);
  std::vector<int> result(entries.size(), 0);
  int left = available;
  int weights = 0;
  int lastRelative = -1;
  for (size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (entry.kind == Entry::Kind::Pixels)
      result[i] = entry.value;
    else if (entry.kind == Entry::Kind::Percent)
      result[i] = int(std::floor(double(available) * entry.value / 100.0));
    if (entry.kind == Entry::Kind::Relative) {
      weights += entry.value;
      lastRelative = int(i);
    } else {
      left -= result[i];
    }
  }
  if (lastRelative >= 0) {
    int share = std::max(0, left);
    int given = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].kind != Entry::Kind::Relative || weights == 0)
        continue;
      result[i] = int((long long)share * entries[i].value / weights);
      given += result[i];
    }
    result[size_t(lastRelative)] += share - given;
  } else {
    result.back() += left;
  }
  for (int& size : result)
    size = std::max(0, size);
  return result;
}

int FramesetLayout::borderWidth(const dom::Element& frameset, int inherited) {
  if (const std::u16string* frameBorder = frameset.attributeValue(u"frameborder")) {
    if (*frameBorder == u"0" || dom::equalsIgnoringASCIICase(*frameBorder, u"no"))
      return 0;
  }
  if (const std::u16string* border = frameset.attributeValue(u"border")) {
    if (std::optional<int32_t> width = dom::parseHTMLInteger(*border); width && *width >= 0)
      return *width;
  }
  return inherited >= 0 ? inherited : kDefaultBorder;
}

std::vector<int> FramesetLayout::cellSizes(const dom::Element& frameset,
                                           std::u16string_view attribute, int total, int border) {
  const std::u16string* list = frameset.attributeValue(attribute);
  std::u16string_view text = list ? std::u16string_view(*list) : std::u16string_view();
  size_t count = parseList(text).size();
  return sizes(text, std::max(0, total - border * int(count - 1)));
}

void FramesetLayout::layout(Box& frameset, const nsRect& area) {
  layout(frameset, area, -1);
}

void FramesetLayout::layout(Box& frameset, const nsRect& area, int inheritedBorder) {
  const dom::Element& element = *frameset.element();
  frameset.setBoxModel({}, {}, {});
  frameset.setRect(area);
  int border = borderWidth(element, inheritedBorder);
  std::vector<int> rows = cellSizes(element, u"rows", area.height, border);
  std::vector<int> columns = cellSizes(element, u"cols", area.width, border);
  size_t cell = 0;
  for (const auto& child : frameset.children()) {
    child->setBoxModel({}, {}, {});
    if (cell >= rows.size() * columns.size()) {
      child->setRect(nsRect(area.x, area.y, 0, 0));
      continue;
    }
    size_t row = cell / columns.size();
    size_t column = cell % columns.size();
    int x = area.x;
    for (size_t c = 0; c < column; ++c)
      x += columns[c] + border;
    int y = area.y;
    for (size_t r = 0; r < row; ++r)
      y += rows[r] + border;
    nsRect rect(x, y, columns[column], rows[row]);
    if (child->kind() == BoxKind::Frameset)
      layout(*child, rect, border);
    else
      child->setRect(rect);
    ++cell;
  }
}

}  // namespace geckohost::layout
