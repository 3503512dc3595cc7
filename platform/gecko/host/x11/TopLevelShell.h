// The two outer windows of every browser and dialog window, as a reparenting window manager
// leaves them on a real desktop:
//
//   root
//   └── frame          what the window manager would draw decorations in; child of the root
//       └── top level  the client's own window: WM_CLASS, WM_NAME, WM_TRANSIENT_FOR
//           └── ...    the top-level widget's window goes here
//
// No window manager runs on our servers, so the host plays its part: the frame sits at the
// window's outer position, and the top level sits inside it, inset by fixed decoration sizes.
#ifndef GECKOHOST_X11_TOPLEVELSHELL_H
#define GECKOHOST_X11_TOPLEVELSHELL_H

#include "NativeWindow.h"

namespace geckohost::x11 {

// Sizes of the pretended decoration around the top-level window, in pixels.
struct DecorationInsets {
  int left;
  int top;
  int right;
  int bottom;
};

class TopLevelShell {
 public:
  // A title bar of 24 pixels and a 4-pixel border on the other sides.
  static constexpr DecorationInsets kInsets{4, 24, 4, 4};

  // The top level's screen rectangle for a frame at `outer`: (100, 80, 640, 480) gives
  // (104, 104, 632, 452). Sizes never go below 0.
  static nsIntRect clientFromOuter(const nsIntRect& outer);

  // Creates both windows, unmapped, for a frame at `outer` (screen pixels, decorations
  // included).
  TopLevelShell(XConnection& connection, const nsIntRect& outer);
  TopLevelShell(const TopLevelShell&) = delete;
  TopLevelShell& operator=(const TopLevelShell&) = delete;

  XWindow frameId() const { return mFrame.id(); }
  XWindow topLevelId() const { return mTopLevel.id(); }

  // The top-level window, for its window-manager properties.
  NativeWindow& topLevel() { return mTopLevel; }

  nsIntRect outerBounds() const { return mFrame.bounds(); }
  // The top level's rectangle on the screen.
  nsIntRect clientBounds() const { return clientFromOuter(mFrame.bounds()); }

  void setOuterBounds(const nsIntRect& outer);
  void show();
  void hide();
  void raise() { mFrame.raise(); }
  bool isShown() const { return mFrame.isShown(); }

 private:
  static nsIntRect clientInFrame(const nsIntRect& outer);

  NativeWindow mFrame;     // declared first: made first, destroyed last
  NativeWindow mTopLevel;  // lives inside mFrame
};

}  // namespace geckohost::x11

#endif
