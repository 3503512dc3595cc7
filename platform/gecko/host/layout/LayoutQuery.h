// What the DOM asks of layout: the CSS-pixel answers behind nsIDOMNSHTMLElement (offsets),
// nsIDOMNSElement (client and scroll sizes), nsIDOMNSDocument::ElementFromPoint and the sizes
// of images. Layout
// implements it per presentation shell; until a document is laid out, the DOM answers zeros.
#ifndef GECKOHOST_LAYOUT_LAYOUTQUERY_H
#define GECKOHOST_LAYOUT_LAYOUTQUERY_H

#include "nsRect.h"
#include "nsSize.h"

namespace geckohost {

namespace dom {
class Element;
class Node;
}  // namespace dom

// An element's offset box as the DOM reports it: position relative to its offset parent.
struct OffsetBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  dom::Element* offsetParent = nullptr;  // weak; null for the root, the body and boxless elements
};

// Client and scroll geometry of an element (all CSS pixels).
struct ScrollBox {
  int clientLeft = 0;
  int clientTop = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  int scrollLeft = 0;
  int scrollTop = 0;
  int scrollWidth = 0;
  int scrollHeight = 0;
};

class LayoutQuery {
 public:
  // Brings layout up to date if the document changed since the last answer.
  virtual void flush() = 0;

  // Offsets of an element; all zero (and no offset parent) for an element without a box
  // (display:none, or not in the document).
  virtual OffsetBox offsetBox(dom::Element& element) = 0;

  // Client and scroll geometry; all zero for an element without a box.
  virtual ScrollBox scrollBox(dom::Element& element) = 0;

  // Scrolls an element's content (or the viewport, for the root element) to a position,
  // clamped to what can be scrolled.
  virtual void scrollTo(dom::Element& element, int left, int top) = 0;

  // The viewport's scroll position in CSS pixels (the root element's scrollLeft/scrollTop),
  // as Gecko reads window.scrollX/Y from the root scroll frame.
  virtual nsPoint scrollPosition() = 0;

  // The element whose box is topmost at a point of the visible area (CSS pixels from the
  // viewport's origin), or null outside every box.
  virtual dom::Element* elementFromPoint(int x, int y) = 0;

  // The box of a node in CSS pixels of the document's canvas; empty for a node without a box.
  // Text nodes get the union of their line fragments.
  virtual nsRect borderBoxInDocument(dom::Node& node) = 0;

  // The size an image element (img, image input) shows its picture at: the content box of its
  // image box; without one (display:none, or alt text shown instead) its picture's natural
  // size; zeros for a broken image without an image box.
  virtual nsSize imageSize(dom::Element& element) = 0;

 protected:
  ~LayoutQuery() = default;
};

}  // namespace geckohost

#endif
