#include "layout/DocumentLayout.h"

#include <algorithm>

#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLOptionElement.h"
#include "dom/HTMLSelectElement.h"
#include "image/Image.h"
#include "layout/Box.h"
#include "layout/BoxDump.h"
#include "layout/BoxTreeBuilder.h"
#include "layout/ComboboxBox.h"
#include "layout/DevicePixels.h"
#include "layout/ImageSizing.h"
#include "layout/LayoutEngine.h"
#include "layout/OffsetGeometry.h"
#include "layout/PaintOrder.h"
#include "layout/ScrollGeometry.h"
#include "layout/StyleResolver.h"

namespace geckohost::layout {

DocumentLayout::DocumentLayout(dom::Document& document, image::ImageCache::Fetch fetchImage)
    : mDocument(document), mImages(std::move(fetchImage)) {}

DocumentLayout::~DocumentLayout() {
  // Combo boxes let go of the open lists as they go: the boxes first.
  mPrimaryBoxes.clear();
  mViewport = nullptr;
}

// --- Viewport and zoom ------------------------------------------------------------------------

void DocumentLayout::setZoom(double devicePixelsPerCSSPixel) {
  if (devicePixelsPerCSSPixel <= 0 || devicePixelsPerCSSPixel == mZoom)
    return;
  mZoom = devicePixelsPerCSSPixel;
  mDirty = true;
}

nsSize DocumentLayout::viewportSize() const {
  return nsSize(std::max(0, DevicePixels::toCSS(mDeviceSize.width, mZoom)),
                std::max(0, DevicePixels::toCSS(mDeviceSize.height, mZoom)));
}

void DocumentLayout::markDirty() {
  // Reading the DOM while laying out may normalise state (a select picking its selected
  // option) and report it as a change; what layout reads is already current.
  if (!mLayingOut)
    mDirty = true;
}

void DocumentLayout::flush() {
  if (mDirty && !mLayingOut)
    relayout();
}

void DocumentLayout::relayout() {
  mLayingOut = true;
  StyleResolver styles(mDocument);
  BoxTreeBuilder builder(mDocument, styles, mDropDowns, mImages);
  std::unique_ptr<Box> viewport = builder.build();
  std::unordered_map<const dom::Node*, Box*> primary = builder.takePrimaryBoxes();
  LayoutEngine(*viewport).layoutViewport(viewportSize());

  viewport->scrollArea()->scrollTo(mViewportScroll.x, mViewportScroll.y);
  mViewportScroll = viewport->scrollArea()->position;
  std::vector<std::pair<RefPtr<dom::Element>, nsPoint>> kept;
  for (auto& [element, position] : mScrollPositions) {
    auto found = primary.find(element.get());
    if (found == primary.end() || !found->second->scrollArea())
      continue;
    ScrollArea& scroll = *found->second->scrollArea();
    scroll.scrollTo(position.x, position.y);
    kept.emplace_back(element, scroll.position);
  }
  mScrollPositions = std::move(kept);

  mHitIndex.reset();
  mPaintOrder.clear();
  mOffsetBoxes.clear();
  mScrollBoxes.clear();
  mViewport = std::move(viewport);
  mPrimaryBoxes = std::move(primary);
  mDirty = false;
  mLayingOut = false;
  mDropDowns.closeUnless([this](const dom::Element& select) {
    Box* box = boxFor(select);
    return box && box->controlType() == ControlType::ComboBox;
  });
  std::vector<std::pair<RefPtr<dom::Element>, RefPtr<dom::Element>>> toShow;
  toShow.swap(mOptionsToShow);
  for (auto& [select, option] : toShow)
    scrollListBoxTo(*select, *option);
}

Box* DocumentLayout::boxFor(const dom::Node& node) const {
  auto found = mPrimaryBoxes.find(&node);
  return found == mPrimaryBoxes.end() ? nullptr : found->second;
}

const std::vector<Box*>& DocumentLayout::cachedPaintOrder() {
  if (mPaintOrder.empty())
    mPaintOrder = PaintOrder::of(*mViewport);
  return mPaintOrder;
}

const HitIndex& DocumentLayout::hitIndex() {
  if (!mHitIndex)
    mHitIndex = std::make_unique<HitIndex>(cachedPaintOrder());
  return *mHitIndex;
}

Box* DocumentLayout::rootBox() const {
  if (!mViewport || mViewport->children().empty())
    return nullptr;
  return mViewport->children().front().get();
}

// --- Scrolling --------------------------------------------------------------------------------

nsPoint DocumentLayout::scrollPosition() {
  flush();
  return mViewportScroll;
}

void DocumentLayout::scrollViewportTo(int x, int y) {
  flush();
  ScrollArea& scroll = *mViewport->scrollArea();
  scroll.scrollTo(x, y);
  mViewportScroll = scroll.position;
  scrolled();
}

void DocumentLayout::rememberScrollPosition(dom::Element& element, nsPoint position) {
  for (auto& [kept, where] : mScrollPositions) {
    if (kept.get() == &element) {
      where = position;
      return;
    }
  }
  mScrollPositions.emplace_back(&element, position);
}

namespace {

// The scroll position that shows `target` (in the scroller's own content coordinates, i.e.
// as if unscrolled) in a client area of `client` size starting at `port`.
nsPoint positionShowing(const nsRect& target, const nsRect& port, nsPoint current,
                        bool alignToTop) {
  nsPoint position = current;
  int top = target.y - port.y;
  position.y = alignToTop ? top : top + target.height - port.height;
  int left = target.x - port.x;
  if (left < current.x || left + target.width > current.x + port.width)
    position.x = left;
  return position;
}

// `box`'s rectangle in the own content coordinates of `scroller` (whose scroll area is
// `scroll`): scrolling inside the scroller counts, its own does not.
nsRect rectInScroller(const Box& box, const Box& scroller, const ScrollArea& scroll) {
  nsPoint inner = ScrollGeometry::scrollOffsetAbove(box) -
                  ScrollGeometry::scrollOffsetAbove(scroller) - scroll.position;
  return nsRect(box.rect().x - inner.x, box.rect().y - inner.y, box.rect().width,
                box.rect().height);
}

}  // namespace

void DocumentLayout::showSelectedOption(dom::Element& select, dom::Element& option) {
  if (DropDownListFrame* list = mDropDowns.openList(select)) {
    if (option.isHTML(u"option"))
      list->showRow(static_cast<dom::HTMLOptionElement&>(option).index());
    return;
  }
  // Not laid out now, from inside the DOM's change: the next layout shows the row.
  if (mDirty || !mViewport) {
    for (auto& [kept, shown] : mOptionsToShow) {
      if (kept.get() == &select) {
        shown = &option;
        return;
      }
    }
    mOptionsToShow.emplace_back(&select, &option);
    return;
  }
  scrollListBoxTo(select, option);
}

// Gecko's list control frame scrolls only itself, and only as far as the row needs: to the
// row's top when it is above the visible rows, to its bottom when below.
void DocumentLayout::scrollListBoxTo(dom::Element& select, dom::Element& option) {
  Box* list = boxFor(select);
  Box* row = boxFor(option);
  ScrollArea* scroll = list ? list->scrollArea() : nullptr;
  if (!scroll || !row || !row->hasGeometry() || list->controlType() == ControlType::ComboBox)
    return;
  nsRect target = rectInScroller(*row, *list, *scroll);
  nsRect port = list->scrollport();
  int atTop = target.y - port.y;
  int atBottom = atTop + target.height - port.height;
  int wanted = scroll->position.y;
  if (atTop < wanted)
    wanted = atTop;
  else if (atBottom > wanted)
    wanted = atBottom;
  if (wanted == scroll->position.y)
    return;
  scroll->scrollTo(scroll->position.x, wanted);
  rememberScrollPosition(select, scroll->position);
  scrolled();
}

void DocumentLayout::scrollTo(dom::Element& element, int left, int top) {
  flush();
  Box* box = boxFor(element);
  if (box && box == rootBox()) {
    scrollViewportTo(left, top);
    return;
  }
  if (!box || !box->scrollArea())
    return;
  box->scrollArea()->scrollTo(left, top);
  rememberScrollPosition(element, box->scrollArea()->position);
  scrolled();
}

void DocumentLayout::scrollIntoView(dom::Element& element, bool alignToTop) {
  flush();
  Box* box = boxFor(element);
  if (!box || !box->hasGeometry())
    return;
  for (Box* above = box->placementParent(); above; above = above->placementParent()) {
    ScrollArea* scroll = above->scrollArea();
    if (!scroll || above->kind() == BoxKind::Viewport)
      continue;
    nsRect target = rectInScroller(*box, *above, *scroll);
    nsPoint wanted = positionShowing(target, above->scrollport(), scroll->position, alignToTop);
    scroll->scrollTo(wanted.x, wanted.y);
    if (dom::Element* owner = above->element())
      rememberScrollPosition(*owner, scroll->position);
  }
  scrolled();
  ScrollArea& viewport = *mViewport->scrollArea();
  nsRect target = ScrollGeometry::toDocument(*box, box->rect());
  nsPoint wanted =
      positionShowing(target, nsRect(0, 0, viewport.clientSize.width, viewport.clientSize.height),
                      viewport.position, alignToTop);
  scrollViewportTo(wanted.x, wanted.y);
}

// --- For the windows side ---------------------------------------------------------------------

nsRect DocumentLayout::viewportRect(const nsRect& document) const {
  return nsRect(document.x - mViewportScroll.x, document.y - mViewportScroll.y, document.width,
                document.height);
}

nsIntRect DocumentLayout::frameContentRectOnDevice(dom::Element& frameElement) {
  flush();
  Box* box = boxFor(frameElement);
  if (!box)
    return nsIntRect();
  nsRect content;
  if (box->kind() == BoxKind::Frame)
    content = box->rect();
  else if (box->controlType() == ControlType::IFrame)
    content = box->contentRect();
  else
    return nsIntRect();
  return DevicePixels::toDevice(viewportRect(ScrollGeometry::toDocument(*box, content)), mZoom);
}

std::optional<nsRect> DocumentLayout::dropDownRectInDocument(dom::Element& select) {
  flush();
  Box* box = boxFor(select);
  if (!box || !mDropDowns.isOpen(select) || box->controlType() != ControlType::ComboBox)
    return std::nullopt;
  nsRect below = borderBoxInDocument(select);
  const nsRect list = static_cast<ComboboxBox*>(box)->listFrame().rectInCanvas();
  return nsRect(below.x, below.YMost(), below.width, list.height);
}

std::optional<nsRect> DocumentLayout::openOptionRowInDocument(dom::Node& node) {
  if (!node.isElement() || !static_cast<dom::Element&>(node).isHTML(u"option"))
    return std::nullopt;
  dom::Node* above = node.parentNode();
  if (above && above->isElement() && static_cast<dom::Element*>(above)->isHTML(u"optgroup"))
    above = above->parentNode();
  if (!above || !above->isElement() || !static_cast<dom::Element*>(above)->isHTML(u"select"))
    return std::nullopt;
  auto& select = static_cast<dom::HTMLSelectElement&>(*above);
  std::optional<nsRect> list = dropDownRectInDocument(select);
  if (!list)
    return std::nullopt;
  DropDownListFrame* frame = mDropDowns.openList(select);
  int firstRow = frame ? frame->firstRow() : 0;
  for (uint32_t index = 0; index < select.length(); ++index) {
    if (static_cast<dom::Node*>(select.optionAt(index)) == &node)
      return nsRect(list->x + 1, list->y + 1 + (int(index) - firstRow) * 16, list->width - 2, 16);
  }
  return std::nullopt;
}

nsIntRect DocumentLayout::dropDownRectOnDevice(dom::Element& select) {
  std::optional<nsRect> list = dropDownRectInDocument(select);
  return list ? DevicePixels::toDevice(viewportRect(*list), mZoom) : nsIntRect();
}

nsIntRect DocumentLayout::boundsOnDevice(dom::Node& node) {
  if (std::optional<nsRect> row = openOptionRowInDocument(node))
    return DevicePixels::toDevice(viewportRect(*row), mZoom);
  nsRect document = borderBoxInDocument(node);
  if (!hasBox(node))
    return nsIntRect();
  return DevicePixels::toDevice(viewportRect(document), mZoom);
}

bool DocumentLayout::hasBox(dom::Node& node) {
  if (openOptionRowInDocument(node))
    return true;
  flush();
  Box* box = boxFor(node);
  return box && box->hasGeometry();
}

const Box* DocumentLayout::primaryBoxFor(dom::Node& node) {
  flush();
  Box* box = boxFor(node);
  return box && box->hasGeometry() ? box : nullptr;
}

nsIFrame* DocumentLayout::primaryFrameFor(dom::Node& node) {
  flush();
  Box* box = boxFor(node);
  return box && box->hasGeometry() ? box : nullptr;
}

nsIFrame* DocumentLayout::rootFrame() {
  flush();
  return mViewport.get();
}

void DocumentLayout::setDropDownListener(DropDownStates::Listener listener) {
  mDropDowns.setListener(std::move(listener));
}

// --- For painting and tests ---------------------------------------------------------------------

const Box* DocumentLayout::viewportBox() {
  flush();
  return mViewport.get();
}

std::vector<Box*> DocumentLayout::paintOrder() {
  flush();
  return cachedPaintOrder();
}

std::string DocumentLayout::dump() {
  flush();
  return BoxDump::of(*mViewport, mZoom);
}

// --- LayoutQuery ---------------------------------------------------------------------------------

OffsetBox DocumentLayout::offsetBox(dom::Element& element) {
  flush();
  auto known = mOffsetBoxes.find(&element);
  if (known != mOffsetBoxes.end())
    return known->second;
  Box* box = boxFor(element);
  Box* root = rootBox();
  OffsetBox result;
  if (box && root && box->hasGeometry())
    result = OffsetGeometry::offsetBox(*box, *root);
  mOffsetBoxes.emplace(&element, result);
  return result;
}

ScrollBox DocumentLayout::scrollBox(dom::Element& element) {
  flush();
  auto known = mScrollBoxes.find(&element);
  if (known != mScrollBoxes.end())
    return known->second;
  Box* box = boxFor(element);
  ScrollBox result;
  if (box && box->hasGeometry()) {
    result = box == rootBox() ? OffsetGeometry::viewportScrollBox(*mViewport, *box)
                              : OffsetGeometry::scrollBox(*box);
  }
  mScrollBoxes.emplace(&element, result);
  return result;
}

dom::Node* DocumentLayout::nodeFromPoint(int x, int y) {
  flush();
  Box* root = rootBox();
  nsSize viewport = viewportSize();
  if (!root || x < 0 || y < 0 || x >= viewport.width || y >= viewport.height)
    return nullptr;
  // The canvas and the viewport's scrollbars belong to the root element.
  const ScrollArea& scroll = *mViewport->scrollArea();
  if (x >= scroll.clientSize.width || y >= scroll.clientSize.height)
    return root->element();
  Box* hit = hitIndex().boxAt(nsPoint(x + mViewportScroll.x, y + mViewportScroll.y));
  if (!hit)
    return root->element();
  return hit->kind() == BoxKind::Text ? hit->node() : hit->element();
}

dom::Element* DocumentLayout::elementFromPoint(int x, int y) {
  dom::Node* node = nodeFromPoint(x, y);
  return node && !node->isElement() ? node->parentElement() : static_cast<dom::Element*>(node);
}

nsRect DocumentLayout::borderBoxInDocument(dom::Node& node) {
  flush();
  Box* box = boxFor(node);
  if (!box || !box->hasGeometry())
    return nsRect();
  return ScrollGeometry::toDocument(*box, box->rect());
}

nsSize DocumentLayout::imageSize(dom::Element& element) {
  flush();
  Box* box = boxFor(element);
  if (box &&
      (box->controlType() == ControlType::Image || box->controlType() == ControlType::ImageButton))
    return box->contentRect().GetSize();
  const image::Image* picture = mImages.imageFor(ImageSizing::sourceUrl(element));
  return picture ? picture->naturalSize() : nsSize();
}

}  // namespace geckohost::layout
