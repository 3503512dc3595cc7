// The deterministic box layout of chrome documents (browser windows, dialogs): a small part
// of XUL's box model, written down in docs/chrome.md so that tests can compute every
// rectangle by hand.
//
//   window 640x480 ── toolbar height=32 ── [button 32][button 32][textbox flex=1 → 576]
//                 └── vbox flex=1 → (0, 32, 640, 448)
#ifndef GECKOHOST_APPSHELL_CHROMELAYOUT_H
#define GECKOHOST_APPSHELL_CHROMELAYOUT_H

#include "ChromeBox.h"

namespace geckohost {

class ChromeLayout {
 public:
  enum class Axis { Horizontal, Vertical };
  enum class Arrangement { Row, Column, Stack };

  // Lays `root` out to fill `area`; every box's rect (and shown) is set, relative to the same
  // origin as `area`.
  static void layOut(ChromeBox& root, const nsIntRect& area);

  // How a box places its children: in a row (toolbar), a column (window) or all on the same
  // area (a deck such as tabpanels).
  static Arrangement arrangementOf(const ChromeBox& box);

  // The size a box asks for along `axis` when not flexed: its attribute, else its tag's
  // default, else what its children need. 0 for a box that takes no space.
  static int preferredSize(const ChromeBox& box, Axis axis);

 private:
  static void place(ChromeBox& box, const nsIntRect& rect, bool shown);
  static void clear(ChromeBox& box);
};

}  // namespace geckohost

#endif
