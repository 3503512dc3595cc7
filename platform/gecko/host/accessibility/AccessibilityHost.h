// What accessibility needs from the windows side, for any document it is asked about: the
// layout of the shell that shows the document, and where that shell's widget sits on the
// screen; for a XUL document shown as a window's chrome, the chrome layout's boxes instead. The
// windows side implements it once and installs it with Accessibility::setHost.
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBILITYHOST_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBILITYHOST_H

#include <optional>

#include "nsPoint.h"
#include "nsRect.h"

namespace geckohost::dom {
class Document;
class Node;
}  // namespace geckohost::dom
namespace geckohost::layout {
class DocumentLayout;
}

namespace geckohost::accessibility {

class AccessibilityHost {
 public:
  // The layout of the shell that shows `document` (weak), null when it is not shown.
  virtual layout::DocumentLayout* layoutFor(dom::Document& document) = 0;

  // The screen position (X root-window pixels) of the origin of the widget that shows
  // `document` (for a page in a frame, the frame's own widget); nothing when it is not shown.
  virtual std::optional<nsIntPoint> screenOffsetFor(dom::Document& document) = 0;

  // For a node of a XUL document that a window shows as its chrome (anonymous content
  // included): its box on the screen from the chrome layout, empty when it takes no space or
  // is not an element; for the document itself, the window's client area. Nothing for a
  // document that is not a window's chrome.
  virtual std::optional<nsIntRect> chromeBoundsFor(dom::Node& node) = 0;

 protected:
  ~AccessibilityHost() = default;
};

}  // namespace geckohost::accessibility

#endif
