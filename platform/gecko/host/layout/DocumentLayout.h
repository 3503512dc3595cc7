// The layout of one shown document: what a presentation shell owns. It answers the DOM's
// LayoutQuery, tells the windows side where frames go and which frame a content node has,
// keeps the scroll positions, and hands painting its boxes.
//
// Integration (the shell's side):
//
//   auto layout = std::make_unique<layout::DocumentLayout>(document, fetchImageBytes);
//   layout->setViewportSize(widgetSizeInDevicePixels);   // on every resize
//   layout->setZoom(devicePixelsPerCSSPixel);            // 1.0 at 100 %
//   DocumentContainer::layout()          -> layout.get()
//   DocumentContainer::documentChanged() -> layout->markDirty()
//   DocumentContainer::scrollElementIntoView(e, top) -> layout->scrollIntoView(e, top)
//   nsIPresShell::GetPrimaryFrameFor(c)  -> layout->primaryFrameFor(*node of c)
//   nsIPresShell::GetRootFrame()         -> layout->rootFrame()
//   child widget of frame element f      -> layout->frameContentRectOnDevice(f)
//   window.scrollX/Y, scrollTo           -> layout->scrollPosition(), scrollViewportTo(x, y)
//
// Lazy: nothing is computed until asked. A change of the document (markDirty), of the viewport
// size or of the zoom makes the next question lay the page out again; boxes and the frames
// handed out for them live until then. The document must outlive its layout. Pictures are
// fetched and decoded once per URL for the layout's life (its ImageCache).
#ifndef GECKOHOST_LAYOUT_DOCUMENTLAYOUT_H
#define GECKOHOST_LAYOUT_DOCUMENTLAYOUT_H

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dom/RefPtr.h"
#include "image/ImageCache.h"
#include "layout/DropDownStates.h"
#include "layout/HitIndex.h"
#include "layout/LayoutQuery.h"
#include "nsPoint.h"
#include "nsRect.h"
#include "nsSize.h"

class nsIFrame;

namespace geckohost::dom {
class Document;
class Element;
class Node;
}  // namespace geckohost::dom

namespace geckohost::layout {

class Box;

class DocumentLayout final : public LayoutQuery {
 public:
  // `fetchImage` reads the bytes of the document's pictures; without it every image is broken.
  explicit DocumentLayout(dom::Document& document, image::ImageCache::Fetch fetchImage = {});
  ~DocumentLayout();
  DocumentLayout(const DocumentLayout&) = delete;
  DocumentLayout& operator=(const DocumentLayout&) = delete;

  // --- Viewport and zoom --------------------------------------------------------------------
  // The size of the widget showing the document, in device pixels; the shell hands it on with
  // every layout question, so the unchanged case is inline.
  void setViewportSize(nsIntSize devicePixels) {
    if (devicePixels == mDeviceSize)
      return;
    mDeviceSize = devicePixels;
    mDirty = true;
  }
  // Device pixels per CSS pixel (1.5 at 150 %); values not above 0 are ignored.
  void setZoom(double devicePixelsPerCSSPixel);
  double zoom() const { return mZoom; }
  // The initial containing block in CSS pixels: the device size divided by the zoom, rounded
  // down (800x600 at 1.5 -> 533x400).
  nsSize viewportSize() const;
  // The document (or an attribute) changed: lay out again before the next answer.
  void markDirty();

  // --- Scrolling ----------------------------------------------------------------------------
  // The viewport's scroll position, CSS pixels.
  nsPoint scrollPosition() override;
  // Scrolls the viewport, clamped to what the document can scroll.
  void scrollViewportTo(int x, int y);
  // Scrolls the element's scroll containers and the viewport so that its box shows, its top
  // (or bottom, when not `alignToTop`) aligned with theirs; horizontally only as far as needed.
  void scrollIntoView(dom::Element& element, bool alignToTop);
  // An option of `select` was selected: an open drop-down list or a list box scrolls just far
  // enough for its row to show, as Gecko's list control frame does. A list box whose layout
  // is out of date scrolls once it has been laid out again.
  void showSelectedOption(dom::Element& select, dom::Element& option);

  // --- For the windows side -----------------------------------------------------------------
  // Where the content of a frame or iframe element shows, in device pixels from the viewport's
  // origin (scrolling applied); empty for an element without such a box.
  nsIntRect frameContentRectOnDevice(dom::Element& frameElement);
  // A node's box (union of fragments for text) in device pixels from the viewport's origin;
  // empty without a box. What accessibles report, before the widget's screen offset.
  nsIntRect boundsOnDevice(dom::Node& node);
  // Whether the node has a box (and so an accessible).
  bool hasBox(dom::Node& node);
  // The node's primary box, or null without one (valid until the next layout).
  const Box* primaryBoxFor(dom::Node& node);
  // As elementFromPoint, but a point on text gives the text node.
  dom::Node* nodeFromPoint(int x, int y);
  // The frame of a content node, or null without a box. A drop-down select's frame answers
  // do_QueryFrame to nsIComboboxControlFrame.
  nsIFrame* primaryFrameFor(dom::Node& node);
  // The viewport's frame.
  nsIFrame* rootFrame();
  // Told whenever a drop-down select's list opens or closes (nsIComboboxControlFrame::
  // ShowDropDown, or its select losing its box).
  void setDropDownListener(DropDownStates::Listener listener);
  // The selects whose list is open, and an open select's list frame (null when closed).
  std::vector<dom::Element*> openDropDowns() const { return mDropDowns.openSelects(); }
  DropDownListFrame* openDropDownList(dom::Element& select) const {
    return mDropDowns.openList(select);
  }
  // Where an open select's list shows, in device pixels from the viewport's origin: right
  // below the select's border box, as wide as it, 16 px per row (at most 20) plus 2. Empty
  // while closed. An option of an open list has the box of its row: inside the list's border,
  // row number `index` less the list's first row from the top (hasBox and boundsOnDevice
  // answer it; rows scrolled out of the list lie above or below it).
  nsIntRect dropDownRectOnDevice(dom::Element& select);

  // --- For painting and tests ---------------------------------------------------------------
  // The box tree, laid out (null before a viewport size was set).
  const Box* viewportBox();
  // The boxes in paint order, back to front.
  std::vector<Box*> paintOrder();
  // The box dump of BoxDump.
  std::string dump();

  // --- LayoutQuery --------------------------------------------------------------------------
  void flush() override;
  OffsetBox offsetBox(dom::Element& element) override;
  ScrollBox scrollBox(dom::Element& element) override;
  void scrollTo(dom::Element& element, int left, int top) override;
  dom::Element* elementFromPoint(int x, int y) override;
  nsRect borderBoxInDocument(dom::Node& node) override;
  nsSize imageSize(dom::Element& element) override;

 private:
  void relayout();
  Box* boxFor(const dom::Node& node) const;
  Box* rootBox() const;
  // The paint order and hit index of the current boxes, made on first use after a layout.
  const std::vector<Box*>& cachedPaintOrder();
  const HitIndex& hitIndex();
  // Scrolling moves document coordinates: the hit index no longer fits, and the scroll
  // positions remembered with the scroll boxes are stale.
  void scrolled() {
    mHitIndex.reset();
    mScrollBoxes.clear();
  }
  void rememberScrollPosition(dom::Element& element, nsPoint position);
  void scrollListBoxTo(dom::Element& select, dom::Element& option);
  nsRect viewportRect(const nsRect& document) const;
  // An open list's rectangle, and an option's row in it, in document CSS pixels.
  std::optional<nsRect> dropDownRectInDocument(dom::Element& select);
  std::optional<nsRect> openOptionRowInDocument(dom::Node& node);

  dom::Document& mDocument;  // weak; the shell owns it and destroys this layout first
  nsIntSize mDeviceSize;
  double mZoom = 1.0;
  bool mDirty = true;
  bool mLayingOut = false;
  std::unique_ptr<Box> mViewport;
  std::unordered_map<const dom::Node*, Box*> mPrimaryBoxes;
  // Derived from mViewport: emptied with every layout (the index also by every scroll).
  std::vector<Box*> mPaintOrder;
  std::unique_ptr<HitIndex> mHitIndex;
  // Offset boxes asked for since the last layout: offsetLeft, offsetTop, offsetWidth,
  // offsetHeight and offsetParent each ask for the same one.
  std::unordered_map<const dom::Element*, OffsetBox> mOffsetBoxes;
  // Scroll boxes asked for since the last layout or scroll: an element's bounds read the
  // scrollLeft of each offset parent, and the extents are a walk over the box's content.
  std::unordered_map<const dom::Element*, ScrollBox> mScrollBoxes;
  nsPoint mViewportScroll;
  // Scroll positions of elements' scroll containers, kept across layouts.
  std::vector<std::pair<RefPtr<dom::Element>, nsPoint>> mScrollPositions;
  // List box options selected while the layout was out of date: each select and the option
  // selected in it last.
  std::vector<std::pair<RefPtr<dom::Element>, RefPtr<dom::Element>>> mOptionsToShow;
  DropDownStates mDropDowns;
  image::ImageCache mImages;
};

}  // namespace geckohost::layout

#endif
