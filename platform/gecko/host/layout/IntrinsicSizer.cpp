#include "layout/IntrinsicSizer.h"

#include <vector>

#include "dom/Element.h"
#include "layout/Box.h"
#include "layout/ControlSizes.h"
#include "layout/InlineItems.h"
#include "layout/LayoutEngine.h"
#include "layout/TableLayout.h"
#include "layout/UsedBoxModel.h"

namespace geckohost::layout {

namespace {

// Pixel margins on both sides; auto and percentages count as nothing here.
int horizontalPixelMargins(const Box& box) {
  int margins = 0;
  if (box.style().margin.left.isPx())
    margins += box.style().margin.left.resolve(0);
  if (box.style().margin.right.isPx())
    margins += box.style().margin.right.resolve(0);
  return margins;
}

IntrinsicWidths measureRun(const std::vector<Box*>& run) {
  InlineItems minimal(run, 0, [](const Box& atomic) {
    return IntrinsicSizer::of(atomic).min + horizontalPixelMargins(atomic);
  });
  InlineItems maximal(run, 0, [](const Box& atomic) {
    return IntrinsicSizer::of(atomic).max + horizontalPixelMargins(atomic);
  });
  return IntrinsicWidths{minimal.minContentWidth(), maximal.maxContentWidth()};
}

}  // namespace

IntrinsicWidths IntrinsicSizer::of(const Box& box) {
  UsedBoxModel model = UsedBoxModel::resolve(box.style(), 0);
  int borderPadding = model.borderPaddingWidth();
  if (box.style().width.isPx()) {
    int width = box.style().width.resolve(0) + borderPadding;
    return IntrinsicWidths{width, width};
  }
  switch (box.kind()) {
    case BoxKind::Control: {
      // An image given only a height in pixels is as wide as its aspect ratio makes it.
      std::optional<int> height = LayoutEngine::usedHeight(box.style(), std::nullopt);
      int width = ControlSizes::contentSize(box, std::nullopt, height).width;
      return IntrinsicWidths{width, width}.plus(borderPadding);
    }
    case BoxKind::TableWrapper:
      return TableLayout::intrinsicWidths(box);
    case BoxKind::Block:
    case BoxKind::InlineBlock:
    case BoxKind::TableCell: {
      int scrollbar = box.style().overflow == Overflow::Scroll ? ScrollArea::kScrollbarSize : 0;
      return contentOf(box).plus(borderPadding + scrollbar);
    }
    default:
      return IntrinsicWidths{};
  }
}

IntrinsicWidths IntrinsicSizer::contentOf(const Box& container) {
  IntrinsicWidths widths;
  std::vector<Box*> run;
  auto flushRun = [&] {
    if (!run.empty())
      widths.include(measureRun(run));
    run.clear();
  };
  for (const auto& child : container.children()) {
    if (child->isOutOfFlow())
      continue;
    if (child->isInlineLevel()) {
      run.push_back(child.get());
      continue;
    }
    flushRun();
    widths.include(of(*child).plus(horizontalPixelMargins(*child)));
  }
  flushRun();
  return widths;
}

}  // namespace geckohost::layout
