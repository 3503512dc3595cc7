// One XUL element as chrome layout sees it: its tag, the attributes that size it, and its
// boxed children. Built from a chrome document before each layout; layout writes `rect`.
//
//   ChromeBox bar("toolbar");
//   bar.setAttribute("height", "32");
//   bar.children.push_back(ChromeBox("toolbarbutton"));
#ifndef GECKOHOST_APPSHELL_CHROMEBOX_H
#define GECKOHOST_APPSHELL_CHROMEBOX_H

#include <optional>
#include <string>
#include <vector>

#include "nsRect.h"

namespace geckohost {

struct ChromeBox {
  enum class Orient { Default, Horizontal, Vertical };

  explicit ChromeBox(std::string tagName, const void* sourceElement = nullptr)
      : tag(std::move(tagName)), source(sourceElement) {}

  // Takes in the attributes layout reads (id, width, height, flex, hidden, collapsed,
  // orient, selectedIndex); others are ignored. Unparsable numbers are ignored too, as XUL ignores
  // them.
  void setAttribute(const std::string& name, const std::string& value);

  // The first box at or below this one with that id, in document order; null when none.
  const ChromeBox* findById(const std::string& wanted) const;
  // The box made for `element`; null when none.
  const ChromeBox* findBySource(const void* element) const;

  std::string tag;
  std::string id;
  std::optional<int> width;
  std::optional<int> height;
  int flex = 0;
  bool hidden = false;     // hidden="true": no box at all
  bool collapsed = false;  // collapsed="true": takes no space
  Orient orient = Orient::Default;
  int selectedIndex = 0;  // the child a deck shows
  const void* source;     // weak: the element this box stands for, null for test trees
  std::vector<ChromeBox> children;

  // Set by ChromeLayout: pixels relative to the laid-out area's origin; (0, 0, 0, 0) for a
  // box that takes no space. `shown` is false for boxes that take no space and for the
  // children of a deck other than its selected one, which keep their rectangle.
  nsIntRect rect;
  bool shown = false;
};

}  // namespace geckohost

#endif
