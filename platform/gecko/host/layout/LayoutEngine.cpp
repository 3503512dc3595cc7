#include "layout/LayoutEngine.h"

#include <algorithm>

#include "dom/Element.h"
#include "dom/HTMLTextAreaElement.h"
#include "layout/Box.h"
#include "layout/ControlSizes.h"
#include "layout/FramesetLayout.h"
#include "layout/InlineItems.h"
#include "layout/IntrinsicSizer.h"
#include "layout/LineBuilder.h"
#include "layout/ScrollExtent.h"
#include "layout/TableLayout.h"
#include "layout/TextMetrics.h"
#include "layout/UsedBoxModel.h"

namespace geckohost::layout {

namespace {

constexpr int kBar = ScrollArea::kScrollbarSize;

// The first child that takes part in the flow, skipping out-of-flow boxes and white space that
// collapses away; null when there is none.
const Box* firstInFlowChild(const Box& box) {
  for (const auto& child : box.children()) {
    if (child->isOutOfFlow() || InlineItems::isCollapsibleWhitespace(*child))
      continue;
    return child.get();
  }
  return nullptr;
}

// The content width of a block in flow: its width, or what the containing block leaves.
int blockContentWidth(const Box& box, const UsedBoxModel& model, int containingWidth) {
  if (!box.style().width.isAuto())
    return std::max(0, box.style().width.resolve(containingWidth));
  return std::max(0, containingWidth - model.margin.horizontal() - model.borderPaddingWidth());
}

// Auto side margins of a box narrower than its containing block share what is left (CSS 2.1,
// 10.3.3): both auto centre it, one auto takes it all.
void resolveAutoMargins(UsedBoxModel& model, int borderBoxWidth, int containingWidth) {
  int left = containingWidth - borderBoxWidth - model.margin.right;
  if (model.autoMarginLeft && model.autoMarginRight) {
    int free = std::max(0, containingWidth - borderBoxWidth);
    model.margin.left = free / 2;
    model.margin.right = free - free / 2;
  } else if (model.autoMarginLeft) {
    model.margin.left = std::max(0, left);
  }
}

Overflow viewportOverflow(const Box& viewport) {
  if (viewport.children().empty())
    return Overflow::Auto;
  const Box& root = *viewport.children().front();
  Overflow overflow = root.style().overflow;
  for (const auto& child : root.children()) {
    if (child->kind() == BoxKind::Frameset)
      return Overflow::Hidden;
    const dom::Element* element = child->element();
    if (overflow == Overflow::Visible && element && element->isHTML(u"body"))
      overflow = child->style().overflow;
  }
  return overflow == Overflow::Visible ? Overflow::Auto : overflow;
}

}  // namespace

// --- Viewport --------------------------------------------------------------------------------

void LayoutEngine::layoutViewport(nsSize size) {
  ScrollArea& scroll = *mViewport.scrollArea();
  Overflow overflow = viewportOverflow(mViewport);
  scroll.verticalBar = scroll.horizontalBar = overflow == Overflow::Scroll;
  mViewport.setRect(nsRect(0, 0, size.width, size.height));
  // Scrollbars take room from the content, which may then need the other bar too: at most one
  // more pass per bar.
  for (int pass = 0; pass < 3; ++pass) {
    mDeferred.clear();
    mClientSize = nsSize(std::max(0, size.width - scroll.verticalBarWidth()),
                         std::max(0, size.height - scroll.horizontalBarHeight()));
    scroll.clientSize = mClientSize;
    nsRect extent;
    if (!mViewport.children().empty()) {
      Box& root = *mViewport.children().front();
      int top = UsedBoxModel::resolve(root.style(), mClientSize.width).margin.top;
      layoutBlockLevel(root, 0, top, mClientSize.width, mClientSize.height);
      extent = nsRect(0, 0, root.rect().XMost() + root.margin().right,
                      root.rect().YMost() + root.margin().bottom);
    }
    placeOutOfFlow(mViewport);
    if (std::optional<nsRect> content = ScrollExtent::of(mViewport))
      extent.UnionRect(extent, *content);
    scroll.scrollSize = nsSize(std::max(mClientSize.width, extent.XMost()),
                               std::max(mClientSize.height, extent.YMost()));
    if (overflow != Overflow::Auto)
      break;
    if (!scroll.verticalBar && scroll.scrollSize.height > mClientSize.height) {
      scroll.verticalBar = true;
      continue;
    }
    if (!scroll.horizontalBar && scroll.scrollSize.width > mClientSize.width) {
      scroll.horizontalBar = true;
      continue;
    }
    break;
  }
}

// --- Block flow ------------------------------------------------------------------------------

bool LayoutEngine::establishesFormattingContext(const Box& box) {
  if (box.kind() != BoxKind::Block)
    return true;
  return box.isOutOfFlow() || box.scrollArea() || box.style().display == Display::TableCaption ||
         (box.parent() && box.parent()->kind() == BoxKind::Viewport);
}

std::optional<int> LayoutEngine::usedHeight(const ComputedStyle& style,
                                            std::optional<int> containingHeight) {
  if (style.height.isPx())
    return style.height.resolve(0);
  if (style.height.isPercent() && containingHeight)
    return style.height.resolve(*containingHeight);
  return std::nullopt;
}

CollapsedMargin LayoutEngine::topMarginChain(const Box& box, int containingWidth) const {
  UsedBoxModel model = UsedBoxModel::resolve(box.style(), containingWidth);
  CollapsedMargin chain(model.margin.top);
  if (establishesFormattingContext(box) || model.border.top > 0 || model.padding.top > 0)
    return chain;
  const Box* first = firstInFlowChild(box);
  if (first && !first->isInlineLevel())
    chain.add(topMarginChain(*first, blockContentWidth(box, model, containingWidth)));
  return chain;
}

CollapsedMargin LayoutEngine::layoutBlockLevel(Box& box, int x, int y, int containingWidth,
                                               std::optional<int> containingHeight) {
  switch (box.kind()) {
    case BoxKind::TableWrapper: {
      CollapsedMargin bottom =
          TableLayout(*this, box).layout(x, y, containingWidth, containingHeight);
      applyRelativeOffset(box, containingWidth, containingHeight);
      return bottom;
    }
    case BoxKind::Frameset:
      box.setBoxModel({}, {}, {});
      FramesetLayout::layout(
          box, nsRect(x, y, containingWidth, containingHeight.value_or(mClientSize.height)));
      return CollapsedMargin();
    case BoxKind::Control:
    case BoxKind::InlineBlock: {
      // Displayed as a block: sized as inline, placed as a block.
      layoutAtomic(box, containingWidth, containingHeight);
      UsedBoxModel model{box.margin(), box.border(), box.padding(),
                         box.style().margin.left.isAuto(), box.style().margin.right.isAuto()};
      resolveAutoMargins(model, box.rect().width, containingWidth);
      box.setBoxModel(model.margin, model.border, model.padding);
      box.translate(x + model.margin.left, y);
      applyRelativeOffset(box, containingWidth, containingHeight);
      return CollapsedMargin(model.margin.bottom);
    }
    default:
      break;
  }
  UsedBoxModel model = UsedBoxModel::resolve(box.style(), containingWidth);
  int contentWidth = blockContentWidth(box, model, containingWidth);
  if (!box.style().width.isAuto())
    resolveAutoMargins(model, contentWidth + model.borderPaddingWidth(), containingWidth);
  box.setBoxModel(model.margin, model.border, model.padding);
  std::optional<int> height = usedHeight(box.style(), containingHeight);
  bool formattingContext = establishesFormattingContext(box);
  bool collapseTop = !formattingContext && model.border.top == 0 && model.padding.top == 0;
  bool collapseBottom =
      !formattingContext && model.border.bottom == 0 && model.padding.bottom == 0 && !height;
  CollapsedMargin trailing;
  layoutContainer(box, x + model.margin.left, y, contentWidth, height, collapseTop, collapseBottom,
                  &trailing);
  applyRelativeOffset(box, containingWidth, containingHeight);
  CollapsedMargin bottom(model.margin.bottom);
  if (collapseBottom)
    bottom.add(trailing);
  return bottom;
}

void LayoutEngine::layoutContainer(Box& box, int x, int y, int contentWidth,
                                   std::optional<int> contentHeight, bool collapseTop,
                                   bool collapseBottom, CollapsedMargin* trailing) {
  box.clearFragments();
  box.setRect(
      nsRect(x, y, contentWidth + box.border().horizontal() + box.padding().horizontal(), 0));
  if (box.scrollArea()) {
    layoutScrollContainer(box, contentWidth, contentHeight);
    return;
  }
  const nsRect content(x + box.border().left + box.padding().left,
                       y + box.border().top + box.padding().top, contentWidth, 0);
  FlowResult flow = layoutFlow(box, content.x, content.y, contentWidth, contentHeight, collapseTop,
                               collapseBottom);
  int height = contentHeight.value_or(flow.height);
  box.setRect(
      nsRect(x, y, box.rect().width, height + box.border().vertical() + box.padding().vertical()));
  if (trailing)
    *trailing = flow.trailing;
  finishContainer(box);
}

void LayoutEngine::layoutScrollContainer(Box& box, int contentWidth,
                                         std::optional<int> contentHeight) {
  ScrollArea& scroll = *box.scrollArea();
  const nsRect start = box.rect();
  const Sides<int>& border = box.border();
  const Sides<int>& padding = box.padding();
  bool always = box.style().overflow == Overflow::Scroll;
  scroll.verticalBar = scroll.horizontalBar = always;
  for (int pass = 0; pass < 3; ++pass) {
    size_t deferredMark = mDeferred.size();
    int innerWidth = std::max(0, contentWidth - scroll.verticalBarWidth());
    FlowResult flow =
        layoutFlow(box, start.x + border.left + padding.left, start.y + border.top + padding.top,
                   innerWidth, contentHeight, false, false);
    // An auto height grows to hold the content and the horizontal bar below it; a fixed height
    // gives the bar its room from the client area.
    int height = contentHeight ? *contentHeight : flow.height + scroll.horizontalBarHeight();
    box.setRect(
        nsRect(start.x, start.y, start.width, height + border.vertical() + padding.vertical()));
    scroll.clientSize =
        nsSize(std::max(0, padding.horizontal() + contentWidth - scroll.verticalBarWidth()),
               std::max(0, padding.vertical() + height - scroll.horizontalBarHeight()));
    finishContainer(box);
    nsRect port = box.paddingRect();
    nsSize size(scroll.clientSize.width,
                std::max(scroll.clientSize.height, padding.vertical() + flow.height));
    if (std::optional<nsRect> extent = ScrollExtent::of(box)) {
      size.width = std::max(size.width, extent->XMost() - port.x);
      size.height = std::max(size.height, extent->YMost() - port.y);
    }
    scroll.scrollSize = size;
    if (always || box.style().overflow != Overflow::Auto)
      return;
    bool needVertical = !scroll.verticalBar && size.height > scroll.clientSize.height;
    bool needHorizontal = !scroll.horizontalBar && size.width > scroll.clientSize.width;
    if (!needVertical && !needHorizontal)
      return;
    if (needVertical)
      scroll.verticalBar = true;
    else
      scroll.horizontalBar = true;
    mDeferred.resize(deferredMark);
  }
}

void LayoutEngine::finishContainer(Box& box) {
  if (box.style().isPositioned())
    placeOutOfFlow(box);
}

LayoutEngine::FlowResult LayoutEngine::layoutFlow(Box& container, int x, int y, int width,
                                                  std::optional<int> definiteHeight,
                                                  bool collapseTop, bool collapseBottom) {
  int cursor = y;
  CollapsedMargin pending;
  bool atStart = true;
  std::vector<Box*> run;
  auto flushRun = [&] {
    if (run.empty())
      return;
    if (InlineItems::hasContent(run)) {
      cursor += pending.value();
      pending = CollapsedMargin();
      cursor += LineBuilder(*this, container, x, cursor, width, definiteHeight).layout(run);
      atStart = false;
    } else {
      // Only white space and out-of-flow boxes: no lines, but placeholders get their place.
      LineBuilder(*this, container, x, cursor + pending.value(), width, definiteHeight).layout(run);
    }
    run.clear();
  };

  for (const auto& owned : container.children()) {
    Box& child = *owned;
    if (child.kind() == BoxKind::ListOption)
      continue;
    if (child.isInlineLevel() || (child.isOutOfFlow() && !run.empty())) {
      run.push_back(&child);
      continue;
    }
    if (child.isOutOfFlow()) {
      deferOutOfFlow(child, container, nsPoint(x, cursor + pending.value()));
      continue;
    }
    flushRun();
    int top = cursor;
    if (!(atStart && collapseTop)) {
      CollapsedMargin before = pending;
      before.add(topMarginChain(child, width));
      top += before.value();
    }
    pending = layoutBlockLevel(child, x, top, width, definiteHeight);
    // The flow goes on below where the box was placed, whatever its relative offset.
    cursor = top + child.rect().height;
    atStart = false;
  }
  flushRun();

  FlowResult result;
  if (collapseBottom) {
    result.trailing = pending;
  } else {
    cursor += pending.value();
  }
  result.height = std::max(0, cursor - y);
  return result;
}

// --- Atomic and replaced boxes ---------------------------------------------------------------

void LayoutEngine::layoutAtomic(Box& box, int containingWidth,
                                std::optional<int> containingHeight) {
  UsedBoxModel model = UsedBoxModel::resolve(box.style(), containingWidth);
  box.setBoxModel(model.margin, model.border, model.padding);
  if (box.kind() == BoxKind::Control) {
    layoutControl(box, containingWidth, containingHeight);
    return;
  }
  int contentWidth;
  if (!box.style().width.isAuto()) {
    contentWidth = std::max(0, box.style().width.resolve(containingWidth));
  } else {
    int available = containingWidth - model.margin.horizontal() - model.borderPaddingWidth();
    contentWidth = std::max(
        0, IntrinsicSizer::of(box).plus(-model.borderPaddingWidth()).shrinkToFit(available));
  }
  layoutContainer(box, 0, 0, contentWidth, usedHeight(box.style(), containingHeight));
}

void LayoutEngine::layoutControl(Box& box, int containingWidth,
                                 std::optional<int> containingHeight) {
  std::optional<int> width;
  if (!box.style().width.isAuto())
    width = std::max(0, box.style().width.resolve(containingWidth));
  nsSize content = ControlSizes::contentSize(box, width, usedHeight(box.style(), containingHeight));
  box.setRect(nsRect(0, 0, content.width + box.border().horizontal() + box.padding().horizontal(),
                     content.height + box.border().vertical() + box.padding().vertical()));
  if (box.controlType() == ControlType::ListBox)
    layoutListBox(box);
  else if (box.controlType() == ControlType::TextArea)
    layoutTextArea(box);
}

void LayoutEngine::layoutListBox(Box& box) {
  // One 16 pixel row per option and optgroup label, down the content box left of the bar.
  const nsRect content = box.contentRect();
  int rowWidth = std::max(0, content.width - kBar);
  int row = 0;
  for (const auto& option : box.children()) {
    option->setBoxModel({}, {}, {});
    option->setRect(nsRect(content.x, content.y + row++ * TextMetrics::kLineHeight, rowWidth,
                           TextMetrics::kLineHeight));
  }
  ScrollArea& scroll = *box.scrollArea();
  scroll.verticalBar = true;
  scroll.horizontalBar = false;
  scroll.clientSize = nsSize(std::max(0, box.paddingRect().width - kBar), box.paddingRect().height);
  scroll.scrollSize = nsSize(scroll.clientSize.width,
                             std::max(scroll.clientSize.height,
                                      box.padding().vertical() + row * TextMetrics::kLineHeight));
}

void LayoutEngine::layoutTextArea(Box& box) {
  // The value wraps at the client width; a line feed starts a new line.
  const nsRect content = box.contentRect();
  int perLine = std::max(1, (content.width - kBar) / TextMetrics::kCharWidth);
  std::u16string value = static_cast<dom::HTMLTextAreaElement*>(box.element())->value();
  int lines = 0;
  size_t start = 0;
  while (true) {
    size_t end = value.find(u'\n', start);
    int length = TextMetrics::characterCount(
        std::u16string_view(value).substr(start, end == std::u16string::npos ? end : end - start));
    lines += std::max(1, (length + perLine - 1) / perLine);
    if (end == std::u16string::npos)
      break;
    start = end + 1;
  }
  ScrollArea& scroll = *box.scrollArea();
  scroll.verticalBar = true;
  scroll.horizontalBar = false;
  scroll.clientSize = nsSize(std::max(0, box.paddingRect().width - kBar), box.paddingRect().height);
  scroll.scrollSize = nsSize(scroll.clientSize.width,
                             std::max(scroll.clientSize.height,
                                      box.padding().vertical() + lines * TextMetrics::kLineHeight));
}

// --- Positioned boxes ------------------------------------------------------------------------

void LayoutEngine::deferOutOfFlow(Box& box, const Box& flowContainer, nsPoint staticPosition) {
  nsPoint origin = flowContainer.rect().TopLeft();
  mDeferred.push_back(Deferred{&box, &flowContainer, staticPosition - origin});
}

void LayoutEngine::placeOutOfFlow(Box& containingBlock) {
  for (size_t i = 0; i < mDeferred.size();) {
    if (mDeferred[i].box->containingBlock() != &containingBlock) {
      ++i;
      continue;
    }
    Deferred entry = mDeferred[i];
    mDeferred.erase(mDeferred.begin() + long(i));
    layoutAbsolute(*entry.box, containingRectOf(containingBlock),
                   entry.flowContainer->rect().TopLeft() + entry.offset);
  }
}

nsRect LayoutEngine::containingRectOf(const Box& containingBlock) const {
  if (containingBlock.kind() == BoxKind::Viewport)
    return nsRect(0, 0, mClientSize.width, mClientSize.height);
  return containingBlock.paddingRect();
}

void LayoutEngine::layoutAbsolute(Box& box, const nsRect& containing, nsPoint staticPosition) {
  const ComputedStyle& style = box.style();
  UsedBoxModel model = UsedBoxModel::resolve(style, containing.width);
  model.autoMarginLeft = model.autoMarginRight = false;
  std::optional<int> left;
  std::optional<int> top;
  if (!style.left.isAuto())
    left = style.left.resolve(containing.width);
  if (!style.top.isAuto())
    top = style.top.resolve(containing.height);
  // The margin edge goes to left/top from the containing block's padding edge, or stays where
  // the box would have been in flow.
  int x = left ? containing.x + *left : staticPosition.x;
  int y = top ? containing.y + *top : staticPosition.y;

  if (box.kind() == BoxKind::TableWrapper) {
    TableLayout(*this, box)
        .layout(x, y + model.margin.top, containing.width - left.value_or(0), containing.height);
    return;
  }
  if (box.kind() == BoxKind::Control) {
    layoutAtomic(box, containing.width, containing.height);
    box.translate(x + box.margin().left, y + box.margin().top);
    return;
  }
  box.setBoxModel(model.margin, model.border, model.padding);
  int contentWidth;
  if (!style.width.isAuto()) {
    contentWidth = std::max(0, style.width.resolve(containing.width));
  } else {
    int available = containing.width - left.value_or(0) - model.margin.horizontal() -
                    model.borderPaddingWidth();
    contentWidth = std::max(
        0, IntrinsicSizer::of(box).plus(-model.borderPaddingWidth()).shrinkToFit(available));
  }
  layoutContainer(box, x + model.margin.left, y + model.margin.top, contentWidth,
                  usedHeight(style, containing.height));
}

void LayoutEngine::applyRelativeOffset(Box& box, int containingWidth,
                                       std::optional<int> containingHeight) {
  const ComputedStyle& style = box.style();
  if (style.position != Position::Relative)
    return;
  int dx = style.left.resolve(containingWidth);
  int dy = 0;
  if (style.top.isPx())
    dy = style.top.resolve(0);
  else if (style.top.isPercent() && containingHeight)
    dy = style.top.resolve(*containingHeight);
  box.translate(dx, dy);
}

}  // namespace geckohost::layout
