// Lays out a box tree: block flow with collapsing margins, line boxes (LineBuilder), replaced
// boxes, tables (TableLayout), framesets (FramesetLayout), absolutely and relatively positioned
// boxes, scroll containers and the viewport's scrollbars. docs/layout.md states every rule;
// the comments here say how the code follows them.
//
// Everything is in whole CSS pixels and canvas coordinates. A box laid out "at (0, 0)" (atomic
// inlines, table cells before their row is known) is moved into place afterwards with
// Box::translate, which moves its whole subtree.
#ifndef GECKOHOST_LAYOUT_LAYOUTENGINE_H
#define GECKOHOST_LAYOUT_LAYOUTENGINE_H

#include <optional>
#include <vector>

#include "layout/CollapsedMargin.h"
#include "nsPoint.h"
#include "nsRect.h"
#include "nsSize.h"

namespace geckohost::layout {

class Box;
struct ComputedStyle;

class LayoutEngine {
 public:
  explicit LayoutEngine(Box& viewport) : mViewport(viewport) {}

  // Lays out the whole tree in a viewport of `size` CSS pixels. The viewport gets scrollbars
  // as its overflow (the root's, or the body's when the root's is visible) asks: always for
  // scroll, when the content does not fit for auto (the default), never for hidden and for
  // frameset documents.
  void layoutViewport(nsSize size);

  // --- For LineBuilder, TableLayout and FramesetLayout -------------------------------------

  // A block-level box in flow: `x` is its left margin edge, `y` its top border edge (the caller
  // placed it after the collapsed top margin). Answers its bottom margin, collapsed with the
  // margins that collapse through its bottom.
  CollapsedMargin layoutBlockLevel(Box& box, int x, int y, int containingWidth,
                                   std::optional<int> containingHeight);

  // An atomic inline or replaced box, its border box at (0, 0). Block-level replaced boxes are
  // laid out the same way and then moved.
  void layoutAtomic(Box& box, int containingWidth, std::optional<int> containingHeight);

  // A block container whose border box starts at (x, y), with its box model set: lays out its
  // children, sets its height and, for a scroll container, its scrollbars and scroll size.
  // When `collapseTop`, the first child's top margin has already been applied by the caller;
  // when `collapseBottom`, the last child's bottom margin is handed back in `trailing`.
  void layoutContainer(Box& box, int x, int y, int contentWidth, std::optional<int> contentHeight,
                       bool collapseTop = false, bool collapseBottom = false,
                       CollapsedMargin* trailing = nullptr);

  // The top margin of a block-level box together with the margins that collapse through its
  // top: <div style="margin-top:8px"><p style="margin-top:16px"> -> 16.
  CollapsedMargin topMarginChain(const Box& box, int containingWidth) const;

  // An out-of-flow box met in `flowContainer`'s flow at `staticPosition`; it is laid out once
  // its containing block is (placeOutOfFlow).
  void deferOutOfFlow(Box& box, const Box& flowContainer, nsPoint staticPosition);
  void placeOutOfFlow(Box& containingBlock);

  // Moves a relatively positioned box by its left and top.
  void applyRelativeOffset(Box& box, int containingWidth, std::optional<int> containingHeight);

  // The height a style asks for: pixels, or a percentage of a known containing height.
  static std::optional<int> usedHeight(const ComputedStyle& style,
                                       std::optional<int> containingHeight);
  // Whether the box starts a new block formatting context (its margins never collapse with
  // its children's): the root, inline-blocks, cells, captions, out-of-flow boxes, scroll
  // containers.
  static bool establishesFormattingContext(const Box& box);

 private:
  struct FlowResult {
    int height = 0;
    CollapsedMargin trailing;
  };
  struct Deferred {
    Box* box;
    const Box* flowContainer;
    nsPoint offset;  // the static position, relative to the flow container's rect
  };

  FlowResult layoutFlow(Box& container, int x, int y, int width, std::optional<int> definiteHeight,
                        bool collapseTop, bool collapseBottom);
  void layoutScrollContainer(Box& box, int contentWidth, std::optional<int> contentHeight);
  void layoutControl(Box& box, int containingWidth, std::optional<int> containingHeight);
  void layoutListBox(Box& box);
  void layoutTextArea(Box& box);
  void layoutAbsolute(Box& box, const nsRect& containingRect, nsPoint staticPosition);
  nsRect containingRectOf(const Box& containingBlock) const;
  void finishContainer(Box& box);

  Box& mViewport;
  nsSize mClientSize;  // the viewport less its scrollbars: the initial containing block
  std::vector<Deferred> mDeferred;
};

}  // namespace geckohost::layout

#endif
