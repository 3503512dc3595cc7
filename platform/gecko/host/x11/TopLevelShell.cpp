#include "TopLevelShell.h"

#include <algorithm>

#include "XConnection.h"

namespace geckohost::x11 {

nsIntRect TopLevelShell::clientInFrame(const nsIntRect& outer) {
  return {kInsets.left, kInsets.top, std::max(outer.width - kInsets.left - kInsets.right, 0),
          std::max(outer.height - kInsets.top - kInsets.bottom, 0)};
}

nsIntRect TopLevelShell::clientFromOuter(const nsIntRect& outer) {
  nsIntRect client = clientInFrame(outer);
  client.MoveBy(outer.x, outer.y);
  return client;
}

TopLevelShell::TopLevelShell(XConnection& connection, const nsIntRect& outer)
    : mFrame(connection, connection.rootWindow(), outer),
      mTopLevel(connection, mFrame.id(), clientInFrame(outer)) {
  // Grey like a title bar, so a screenshot shows where the decoration would be.
  mFrame.setBackground(connection.pixelForRgb(0x80, 0x80, 0x80));
  mTopLevel.show();  // shown with its frame from here on; the frame decides visibility
}

void TopLevelShell::setOuterBounds(const nsIntRect& outer) {
  mFrame.setBounds(outer);
  mTopLevel.setBounds(clientInFrame(outer));
}

void TopLevelShell::show() {
  mFrame.show();
}

void TopLevelShell::hide() {
  mFrame.hide();
}

}  // namespace geckohost::x11
