#include "ChromeLayout.h"

#include <algorithm>
#include <map>
#include <string>

namespace geckohost {

namespace {

using Axis = ChromeLayout::Axis;
using Arrangement = ChromeLayout::Arrangement;

struct TagDefaults {
  Arrangement arrangement;
  int width;   // -1: none, the size comes from the children
  int height;  // -1: none
};

// Sizes of elements that give none themselves; see docs/chrome.md.
const std::map<std::string, TagDefaults>& tagDefaults() {
  static const std::map<std::string, TagDefaults> defaults = {
      {"window", {Arrangement::Column, -1, -1}},
      {"dialog", {Arrangement::Column, -1, -1}},
      {"vbox", {Arrangement::Column, -1, -1}},
      {"radiogroup", {Arrangement::Column, -1, -1}},
      {"toolbox", {Arrangement::Column, -1, -1}},
      {"tabbrowser", {Arrangement::Column, -1, -1}},
      {"hbox", {Arrangement::Row, -1, -1}},
      {"toolbaritem", {Arrangement::Row, -1, -1}},
      {"toolbar", {Arrangement::Row, -1, 30}},
      {"findbar", {Arrangement::Row, -1, 30}},
      {"tabs", {Arrangement::Row, -1, 26}},
      {"statusbar", {Arrangement::Row, -1, 22}},
      {"tabpanels", {Arrangement::Stack, -1, -1}},
      {"deck", {Arrangement::Stack, -1, -1}},
      {"toolbarbutton", {Arrangement::Row, 32, 32}},
      {"toolbarseparator", {Arrangement::Row, 6, -1}},
      {"tab", {Arrangement::Row, 150, 26}},
      {"textbox", {Arrangement::Row, 100, 24}},
      {"button", {Arrangement::Row, 80, 26}},
      {"checkbox", {Arrangement::Row, 100, 22}},
      {"radio", {Arrangement::Row, 100, 22}},
      {"label", {Arrangement::Row, 100, 18}},
      {"description", {Arrangement::Row, 100, 18}},
      {"statusbarpanel", {Arrangement::Row, 100, 22}},
  };
  return defaults;
}

const TagDefaults* defaultsFor(const ChromeBox& box) {
  auto found = tagDefaults().find(box.tag);
  return found == tagDefaults().end() ? nullptr : &found->second;
}

bool takesNoSpace(const ChromeBox& box) {
  return box.hidden || box.collapsed;
}

Axis mainAxisOf(Arrangement arrangement) {
  return arrangement == Arrangement::Column ? Axis::Vertical : Axis::Horizontal;
}

}  // namespace

Arrangement ChromeLayout::arrangementOf(const ChromeBox& box) {
  if (box.orient == ChromeBox::Orient::Horizontal)
    return Arrangement::Row;
  if (box.orient == ChromeBox::Orient::Vertical)
    return Arrangement::Column;
  const TagDefaults* defaults = defaultsFor(box);
  return defaults ? defaults->arrangement : Arrangement::Row;
}

int ChromeLayout::preferredSize(const ChromeBox& box, Axis axis) {
  if (takesNoSpace(box))
    return 0;
  const std::optional<int>& attribute = axis == Axis::Horizontal ? box.width : box.height;
  if (attribute)
    return *attribute;
  if (const TagDefaults* defaults = defaultsFor(box)) {
    int size = axis == Axis::Horizontal ? defaults->width : defaults->height;
    if (size >= 0)
      return size;
  }
  // Children along the box's own axis add up; across it, the largest wins.
  Arrangement arrangement = arrangementOf(box);
  bool adds = arrangement != Arrangement::Stack && mainAxisOf(arrangement) == axis;
  int size = 0;
  for (const ChromeBox& child : box.children) {
    int childSize = preferredSize(child, axis);
    size = adds ? size + childSize : std::max(size, childSize);
  }
  return size;
}

void ChromeLayout::layOut(ChromeBox& root, const nsIntRect& area) {
  if (takesNoSpace(root)) {
    clear(root);
    return;
  }
  place(root, area, true);
}

void ChromeLayout::clear(ChromeBox& box) {
  box.rect = nsIntRect();
  box.shown = false;
  for (ChromeBox& child : box.children)
    clear(child);
}

void ChromeLayout::place(ChromeBox& box, const nsIntRect& rect, bool shown) {
  box.rect = rect;
  box.shown = shown;
  Arrangement arrangement = arrangementOf(box);
  if (arrangement == Arrangement::Stack) {
    // A deck lays every child on its whole area and shows the selected one.
    int index = 0;
    for (ChromeBox& child : box.children) {
      if (takesNoSpace(child)) {
        clear(child);
      } else {
        place(child, rect, shown && index == box.selectedIndex);
      }
      ++index;
    }
    return;
  }
  Axis axis = mainAxisOf(arrangement);
  int available = axis == Axis::Horizontal ? rect.width : rect.height;

  // Inflexible children take what they ask for; flexible ones share what is left in
  // proportion to their flex, truncated, the last flexible child taking the remainder.
  int fixed = 0;
  int totalFlex = 0;
  int lastFlexible = -1;
  for (size_t i = 0; i < box.children.size(); ++i) {
    const ChromeBox& child = box.children[i];
    if (takesNoSpace(child))
      continue;
    if (child.flex > 0) {
      totalFlex += child.flex;
      lastFlexible = static_cast<int>(i);
    } else {
      fixed += preferredSize(child, axis);
    }
  }
  int left = std::max(available - fixed, 0);
  int shared = 0;
  int position = axis == Axis::Horizontal ? rect.x : rect.y;
  for (size_t i = 0; i < box.children.size(); ++i) {
    ChromeBox& child = box.children[i];
    if (takesNoSpace(child)) {
      clear(child);
      continue;
    }
    int size;
    if (child.flex > 0) {
      size = static_cast<int>(i) == lastFlexible
                 ? left - shared
                 : static_cast<int>(static_cast<long long>(left) * child.flex / totalFlex);
      shared += size;
    } else {
      size = preferredSize(child, axis);
    }
    nsIntRect childRect = axis == Axis::Horizontal ? nsIntRect(position, rect.y, size, rect.height)
                                                   : nsIntRect(rect.x, position, rect.width, size);
    place(child, childRect, shown);
    position += size;
  }
}

}  // namespace geckohost
