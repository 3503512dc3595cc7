// Paints the open list of a drop-down select into its popup window: a white list in a thin
// dark border, one row per option with its text, the selected option's row in the selection
// colour with white text. Rows are where layout puts them (DocumentLayout::boundsOnDevice of
// each option, relative to the list).
#ifndef GECKOHOST_PAINT_DROPDOWNPAINTER_H
#define GECKOHOST_PAINT_DROPDOWNPAINTER_H

#include <cstdint>

struct _XDisplay;

namespace geckohost::dom {
class Element;
}
namespace geckohost::layout {
class DocumentLayout;
}

namespace geckohost::paint {

class DropDownPainter {
 public:
  // `window`: the popup's X window, whose origin is the list's top left corner. Syncs.
  static void paintList(layout::DocumentLayout& layout, dom::Element& select, _XDisplay* display,
                        unsigned long window);

  static constexpr uint32_t kListColor = 0xffffff;
  static constexpr uint32_t kBorderColor = 0x000000;
  static constexpr uint32_t kSelectionColor = 0x3366cc;
  static constexpr uint32_t kTextColor = 0x000000;
  static constexpr uint32_t kSelectedTextColor = 0xffffff;
};

}  // namespace geckohost::paint

#endif
