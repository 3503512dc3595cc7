// A box of the layout tree, and its face as a Gecko frame (nsIFrame).
//
// Boxes mirror the DOM: one per element that is displayed, one per text node, plus a few that
// no node has (the viewport at the root; the grid of a table, inside the table's wrapper box).
// Geometry is in CSS pixels in canvas coordinates (the origin of the document, scrolling
// ignored); ScrollGeometry adds the scroll offsets of enclosing scroll containers where that
// matters. Inline boxes and text keep one fragment per line; their rect is the fragments'
// bounding box.
//
// Ownership: a box owns its children (unique_ptr); every other link is weak. The layout tree
// is rebuilt whenever the document changes, so a box (and a frame pointer handed out for it)
// lives until the next layout, as a Gecko frame does.
#ifndef GECKOHOST_LAYOUT_BOX_H
#define GECKOHOST_LAYOUT_BOX_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "layout/ComputedStyle.h"
#include "layout/Fragment.h"
#include "layout/ScrollArea.h"
#include "nsIFrame.h"

namespace geckohost::dom {
class Element;
class Node;
}  // namespace geckohost::dom

namespace geckohost::image {
class Image;
}

namespace geckohost::layout {

enum class BoxKind : unsigned char {
  Viewport,       // the canvas and initial containing block; scrolls the document
  Block,          // a block container: html, body, div, p, a table caption, ...
  Inline,         // an inline element (span, a, b): one fragment per line
  Text,           // a text node: one fragment per line
  LineBreak,      // <br>
  InlineBlock,    // an inline-block with content of its own (button, display:inline-block)
  Control,        // a replaced box: image, form control or iframe (see ControlType)
  TableWrapper,   // a table element: its caption above its grid
  TableGrid,      // the table's rows and cells, with the table's border and padding
  TableRowGroup,  // thead, tbody, tfoot
  TableRow,
  TableCell,
  Frameset,
  Frame,
  ListOption,  // a row of a list box: an option, or an optgroup's label
};

enum class ControlType : unsigned char {
  None,
  Image,
  TextField,
  FileField,
  CheckBox,
  Radio,
  PushButton,  // input type submit, reset or button
  ImageButton,
  ComboBox,
  ListBox,
  TextArea,
  IFrame,
};

class Box : public nsIFrame {
 public:
  Box(BoxKind kind, dom::Node* node, const ComputedStyle& style);
  virtual ~Box();
  Box(const Box&) = delete;
  Box& operator=(const Box&) = delete;

  // --- What the box is ---------------------------------------------------------------------
  BoxKind kind() const { return mKind; }
  ControlType controlType() const { return mControlType; }
  void setControlType(ControlType type) { mControlType = type; }
  // The node laid out (weak; the document owns it); null for the viewport.
  dom::Node* node() const { return mNode; }
  // The element the box stands for: the node itself, or a text node's parent element.
  dom::Element* element() const;
  const ComputedStyle& style() const { return mStyle; }
  // An inline element that holds a block becomes a block itself (see BoxTreeBuilder).
  void becomeBlock();

  // The picture of an image box (weak; the layout's image cache owns it and outlives every
  // box); null for a broken image and for every other box.
  const image::Image* image() const { return mImage; }
  void setImage(const image::Image* image) { mImage = image; }
  // The characters of a Text box: its text node's data, or the text shown in place of a
  // broken image (its alt text), whose Text box stands for the image element.
  const std::u16string& text() const;
  void setGeneratedText(std::u16string text) { mGeneratedText = std::move(text); }

  bool isInlineLevel() const;
  // Inline-blocks and replaced boxes shown inline: laid out as one piece on a line.
  bool isAtomicInline() const;
  bool isOutOfFlow() const { return mStyle.isOutOfFlow() && mKind != BoxKind::Viewport; }
  // Whether the box has an extent of its own: text that produced no fragment does not.
  bool hasGeometry() const;

  // --- Tree --------------------------------------------------------------------------------
  Box* parent() const { return mParent; }
  const std::vector<std::unique_ptr<Box>>& children() const { return mChildren; }
  Box& appendChild(std::unique_ptr<Box> child);
  // For absolutely positioned boxes: the box they are placed against (the nearest positioned
  // ancestor, or the viewport). Null for boxes in flow.
  Box* containingBlock() const { return mContainingBlock; }
  void setContainingBlock(Box* box) { mContainingBlock = box; }
  // Where the box's position comes from: its containing block when out of flow, else its
  // parent. Scroll offsets and clips are inherited along this chain.
  Box* placementParent() const { return mContainingBlock ? mContainingBlock : mParent; }
  // Whether `ancestor` is this box or lies on its parent chain.
  bool isInside(const Box& ancestor) const;

  // --- Geometry (CSS pixels, canvas coordinates) --------------------------------------------
  const nsRect& rect() const { return mRect; }
  void setRect(const nsRect& rect) { mRect = rect; }
  const Sides<int>& margin() const { return mMargin; }
  const Sides<int>& border() const { return mBorder; }
  const Sides<int>& padding() const { return mPadding; }
  void setBoxModel(const Sides<int>& margin, const Sides<int>& border, const Sides<int>& padding);
  nsRect paddingRect() const;
  nsRect contentRect() const;

  const std::vector<Fragment>& fragments() const { return mFragments; }
  void clearFragments() { mFragments.clear(); }
  void addFragment(Fragment fragment) { mFragments.push_back(std::move(fragment)); }
  // Sets the rect to the bounding box of the fragments (empty ones included).
  void unionFragments();

  // Moves the box, its fragments and its whole subtree.
  void translate(int dx, int dy);

  // --- Scrolling ----------------------------------------------------------------------------
  // Present on the viewport and on boxes whose overflow is not visible.
  ScrollArea* scrollArea() { return mScrollArea ? &*mScrollArea : nullptr; }
  const ScrollArea* scrollArea() const { return mScrollArea ? &*mScrollArea : nullptr; }
  void makeScrollContainer() { mScrollArea.emplace(); }
  // The client area (padding box less scrollbars) of a scroll container, canvas coordinates.
  nsRect scrollport() const;

  // --- nsIFrame -----------------------------------------------------------------------------
  void* QueryFrame(FrameIID id) override;
  nsIContent* GetContent() const override;
  nsIFrame* GetParent() const override { return mParent; }
  // Relative to the parent's rect, in app units (60 to the CSS pixel).
  nsRect GetRect() const override;
  nsIView* GetView() const override { return nullptr; }
  nsIFrame* GetNextSibling() const override;

  static constexpr int kAppUnitsPerCSSPixel = 60;

 private:
  BoxKind mKind;
  ControlType mControlType = ControlType::None;
  dom::Node* mNode;  // weak
  ComputedStyle mStyle;
  const image::Image* mImage = nullptr;  // weak; the layout's image cache owns it
  std::optional<std::u16string> mGeneratedText;
  Box* mParent = nullptr;           // weak; owns us
  Box* mContainingBlock = nullptr;  // weak; an ancestor
  size_t mIndexInParent = 0;
  std::vector<std::unique_ptr<Box>> mChildren;
  nsRect mRect;
  Sides<int> mMargin;
  Sides<int> mBorder;
  Sides<int> mPadding;
  std::vector<Fragment> mFragments;
  std::optional<ScrollArea> mScrollArea;
};

}  // namespace geckohost::layout

#endif
