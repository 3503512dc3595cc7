// The browser module's share of loading the library: open the display connection that every
// Xlib call of the library goes through, and close it when the process exits.
#include <cstdlib>

#include "NSXlib.h"

Display* ns_zv_display = nullptr;

namespace {

void closeDisplayAtExit() {
  if (ns_zv_display && XCloseDisplay)
    XCloseDisplay(ns_zv_display);
  ns_zv_display = nullptr;
}

struct DisplayOpener {
  DisplayOpener() {
    if (!XOpenDisplay)
      return;  // no Xlib in this process
    ns_zv_display = XOpenDisplay(nullptr);
    if (ns_zv_display)
      atexit(closeDisplayAtExit);
  }
};

DisplayOpener s_displayOpener __attribute__((init_priority(2000)));

}  // namespace

Window ns_zv_topLevelWindowHandle(Window window) {
  if (!ns_zv_display || !window)
    return 0;
  for (;;) {
    XClassHint hint;
    hint.res_name = nullptr;
    hint.res_class = nullptr;
    XGetClassHint(ns_zv_display, window, &hint);
    if (hint.res_name) {
      XFree(hint.res_name);
      if (hint.res_class)
        XFree(hint.res_class);
      return window;
    }
    if (hint.res_class) {
      XFree(hint.res_class);
      return window;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(ns_zv_display, window, &root, &parent, &children, &count))
      return window;
    if (children)
      XFree(children);
    if (parent == root || parent == 0)
      return window;
    window = parent;
  }
}
