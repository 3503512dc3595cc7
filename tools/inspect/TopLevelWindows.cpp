#include "TopLevelWindows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool isShownPopup(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) && attributes.override_redirect &&
         attributes.map_state == IsViewable;
}

void collect(Display* display, Window window, std::vector<TopLevelWindow>& found) {
  XClassHint hint = {nullptr, nullptr};
  if (XGetClassHint(display, window, &hint)) {
    found.push_back(
        {window, hint.res_name ? hint.res_name : "", hint.res_class ? hint.res_class : ""});
    if (hint.res_name)
      XFree(hint.res_name);
    if (hint.res_class)
      XFree(hint.res_class);
    return;
  }
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count))
    return;
  for (unsigned int i = 0; i < count; ++i) {
    if (window == root && isShownPopup(display, children[i]))
      found.push_back({children[i], "", "", true});
    else
      collect(display, children[i], found);
  }
  if (children)
    XFree(children);
}

}  // namespace

std::vector<TopLevelWindow> TopLevelWindows::list() {
  std::vector<TopLevelWindow> found;
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return found;
  collect(display, DefaultRootWindow(display), found);
  XCloseDisplay(display);
  return found;
}
