// Builds the box tree of a document from its DOM and the computed styles:
//
// - display:none elements (and everything inside them) get no box; text nodes get a Text box
//   where inline content may go, never inside tables' row structure, framesets or controls;
// - the root element and absolutely positioned elements are blocks; the latter remember their
//   containing block (the
//   nearest positioned ancestor box, else the viewport; the viewport always for fixed);
// - an inline element holding a block-level child is laid out as a block;
// - replaced elements (images, form controls, iframes) get Control boxes, a drop-down select a
//   ComboboxBox, and a list box one ListOption row per option and optgroup label; an image
//   box holds its picture from the image cache, and a broken image that shows its alt text
//   (ImageSizing) is an inline box (or a block) whose one Text box carries that text;
// - a table gets a wrapper box (its margins, position and captions) around a grid box (its
//   border, padding, background, row groups and rows); rows take cells only, groups rows only;
// - framesets take frame and frameset children only; a frame outside a frameset gets no box;
// - elements nested deeper than kMaxBoxDepth boxes get no box, as Gecko of this era stopped
//   reflowing frames past its reflow depth limit: every walk over boxes stays shallow, however
//   deep the DOM.
#ifndef GECKOHOST_LAYOUT_BOXTREEBUILDER_H
#define GECKOHOST_LAYOUT_BOXTREEBUILDER_H

#include <memory>
#include <string>
#include <unordered_map>

#include "layout/Box.h"

namespace geckohost::dom {
class Document;
class Element;
class Node;
}  // namespace geckohost::dom

namespace geckohost::image {
class ImageCache;
}

namespace geckohost::layout {

class DropDownStates;
class StyleResolver;

class BoxTreeBuilder {
 public:
  // Gecko 1.9.2's MAX_REFLOW_DEPTH: the deepest box nesting that is laid out.
  static constexpr int kMaxBoxDepth = 200;

  BoxTreeBuilder(const dom::Document& document, const StyleResolver& styles,
                 DropDownStates& dropDowns, image::ImageCache& images);

  // The viewport box, holding the root element's box when the root is displayed.
  std::unique_ptr<Box> build();

  // The first box made for each node (its primary frame), valid with the tree build() made.
  std::unordered_map<const dom::Node*, Box*> takePrimaryBoxes() { return std::move(mPrimary); }

 private:
  void buildChildren(const dom::Node& parent, Box& parentBox, Box* positionedAncestor);
  void buildElement(dom::Element& element, Box& parentBox, Box* positionedAncestor);
  void buildText(dom::Node& text, Box& parentBox);
  void buildTable(dom::Element& table, const ComputedStyle& style, Box& parentBox,
                  Box* positionedAncestor);
  void buildListOptions(dom::Element& select, Box& listBox);
  std::unique_ptr<Box> makeBox(dom::Element& element, const ComputedStyle& style,
                               const Box& parentBox);
  std::unique_ptr<Box> makeAltTextBox(dom::Element& element, ComputedStyle style,
                                      std::u16string altText);
  Box& adopt(Box& parentBox, std::unique_ptr<Box> box);
  // Whether `box` accepts a child element box of `display` (table structure, framesets).
  static bool acceptsChild(const Box& box, const dom::Element& element, Display display);

  const dom::Document& mDocument;
  const StyleResolver& mStyles;
  DropDownStates& mDropDowns;
  image::ImageCache& mImages;  // weak; the document's layout owns it
  Box* mViewport = nullptr;    // weak; build() hands it out
  int mDepth = 0;              // element boxes open around the one being built
  std::unordered_map<const dom::Node*, Box*> mPrimary;
};

}  // namespace geckohost::layout

#endif
