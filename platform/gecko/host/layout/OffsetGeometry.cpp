#include "layout/OffsetGeometry.h"

#include <algorithm>

#include "dom/Document.h"
#include "dom/Element.h"
#include "layout/Box.h"
#include "layout/ScrollExtent.h"

namespace geckohost::layout {

namespace {

bool isBody(const dom::Element* element, const Box& root) {
  return element && element->isHTML(u"body") && element->parentElement() == root.element();
}

nsPoint originOf(const Box& box) {
  if (box.kind() == BoxKind::Inline && !box.fragments().empty())
    return box.fragments().front().rect.TopLeft();
  return box.rect().TopLeft();
}

}  // namespace

OffsetBox OffsetGeometry::offsetBox(const Box& box, const Box& root) {
  OffsetBox result;
  const nsRect& rect = box.rect();
  result.width = rect.width;
  result.height = rect.height;
  nsPoint origin = originOf(box);
  dom::Element* element = box.element();
  if (&box == &root || isBody(element, root))
    return result;  // placed at 0, 0 whatever their margins

  const bool positioned = box.style().isPositioned();
  nsPoint reference;  // where offsets are measured from, before the border
  const Box* bordered = nullptr;
  for (const Box* above = box.placementParent(); above; above = above->placementParent()) {
    if (above->kind() == BoxKind::Viewport)
      break;
    dom::Element* aboveElement = above->element();
    bool tablePart = above->kind() == BoxKind::TableCell || above->kind() == BoxKind::TableGrid;
    if (above->style().isPositioned() || (!positioned && tablePart)) {
      result.offsetParent = aboveElement;
      reference = above->rect().TopLeft();
      bordered = above;
      break;
    }
    if (above == &root) {
      bordered = above;
      break;
    }
    if (isBody(aboveElement, root)) {
      result.offsetParent = aboveElement;
      reference = root.rect().TopLeft();
      bordered = above;
      break;
    }
  }
  if (!result.offsetParent && box.isOutOfFlow()) {
    // An absolutely positioned box with no positioned ancestor: the body, offsets from the
    // canvas.
    const dom::Document* document = element ? element->ownerDocument() : nullptr;
    const dom::Element* rootElement = document ? document->documentElement() : nullptr;
    for (dom::Node* child = rootElement ? rootElement->firstChild() : nullptr; child;
         child = child->nextSibling()) {
      if (child->isElement() && static_cast<dom::Element*>(child)->isHTML(u"body")) {
        result.offsetParent = static_cast<dom::Element*>(child);
        break;
      }
    }
  }
  int borderLeft = bordered ? bordered->border().left : 0;
  int borderTop = bordered ? bordered->border().top : 0;
  result.left = origin.x - reference.x - borderLeft;
  result.top = origin.y - reference.y - borderTop;
  return result;
}

ScrollBox OffsetGeometry::scrollBox(const Box& box) {
  ScrollBox result;
  if (box.kind() == BoxKind::Inline || box.kind() == BoxKind::Text ||
      box.kind() == BoxKind::LineBreak) {
    return result;
  }
  result.clientLeft = box.border().left;
  result.clientTop = box.border().top;
  if (const ScrollArea* scroll = box.scrollArea()) {
    result.clientWidth = scroll->clientSize.width;
    result.clientHeight = scroll->clientSize.height;
    result.scrollLeft = scroll->position.x;
    result.scrollTop = scroll->position.y;
    result.scrollWidth = scroll->scrollSize.width;
    result.scrollHeight = scroll->scrollSize.height;
    return result;
  }
  nsRect padding = box.paddingRect();
  result.clientWidth = padding.width;
  result.clientHeight = padding.height;
  result.scrollWidth = padding.width;
  result.scrollHeight = padding.height;
  if (std::optional<nsRect> extent = ScrollExtent::of(box)) {
    result.scrollWidth = std::max(result.scrollWidth, extent->XMost() - padding.x);
    result.scrollHeight = std::max(result.scrollHeight, extent->YMost() - padding.y);
  }
  return result;
}

ScrollBox OffsetGeometry::viewportScrollBox(const Box& viewport, const Box& root) {
  ScrollBox result;
  const ScrollArea& scroll = *viewport.scrollArea();
  result.clientLeft = root.border().left;
  result.clientTop = root.border().top;
  result.clientWidth = scroll.clientSize.width;
  result.clientHeight = scroll.clientSize.height;
  result.scrollLeft = scroll.position.x;
  result.scrollTop = scroll.position.y;
  result.scrollWidth = scroll.scrollSize.width;
  result.scrollHeight = scroll.scrollSize.height;
  return result;
}

}  // namespace geckohost::layout
