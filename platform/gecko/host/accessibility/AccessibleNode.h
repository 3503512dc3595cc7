// What an accessible knows, as plain values: the logic behind the Accessible XPCOM object.
//
// The accessible tree is the part of the DOM that has boxes: a document (while its root
// element has a box) above its root element, and below every node the child nodes with a box
// (elements laid out, text that shows). A node has an accessible while accessibility is on, a
// host is installed, its document is shown and it has a box; afterwards the accessible is
// defunct and its calls fail.
//
// Bounds are screen pixels: the node's box in device pixels from the viewport's origin (its
// layout's boundsOnDevice: CSS pixels less the viewport's scroll position, times the zoom,
// truncated) moved by the screen offset of the widget that shows the document. A document's
// bounds are its viewport's client area.
//
//   a div at document (8, 300) in a page scrolled by (0, 250), zoom 1.5, widget at (100, 80):
//   (100 + 12, 80 + 75, ...)
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBLENODE_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBLENODE_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dom/RefPtr.h"
#include "nsRect.h"

namespace geckohost::dom {
class Document;
class Element;
class Node;
}  // namespace geckohost::dom
namespace geckohost::layout {
class DocumentLayout;
}

namespace geckohost::accessibility {

class AccessibleNode {
 public:
  explicit AccessibleNode(dom::Node& node);
  ~AccessibleNode();

  dom::Node& node() const { return *mNode; }

  // Whether `node` has an accessible now (see above).
  static bool exists(dom::Node& node);
  bool isDefunct() const { return !exists(*mNode); }

  // The nearest ancestor with an accessible (the document above the root element); null for a
  // document.
  dom::Node* parent() const;
  // The child nodes that have accessibles, in document order.
  std::vector<dom::Node*> children() const;

  // The accessible name: aria-label; for images and image inputs their alt; for push button
  // inputs their label; for a text node its text, white space collapsed; for links, buttons,
  // options, labels, cells, captions, list items, headings and legends their text content,
  // white space collapsed; for optgroups their label; else the title attribute; for a document
  // its title.
  std::u16string name() const;
  // Gecko's role number for the node's kind (AccessibleConstants.h; docs/accessibility.md).
  uint32_t role() const;
  // Gecko's state bits: focus, availability, checked and selected states, links, popups,
  // hidden and off-screen boxes.
  uint32_t states() const;

  // Screen pixels; empty when the accessible is defunct.
  nsIntRect bounds() const;
  // The child whose box is under the screen point, this node when the point is on it but on
  // no child, null when it is outside.
  dom::Node* childAtPoint(int x, int y) const;

 private:
  layout::DocumentLayout* layout() const;
  static layout::DocumentLayout* layoutOf(dom::Node& node);
  uint32_t elementRole(const dom::Element& element) const;
  static std::u16string xulName(const dom::Element& element);
  // The node's chrome box on the screen, when its document is a window's chrome.
  static std::optional<nsIntRect> chromeBoundsOf(dom::Node& node);
  uint32_t elementStates(dom::Element& element) const;

  RefPtr<dom::Node> mNode;
};

}  // namespace geckohost::accessibility

#endif
