#include "RaisedWindow.h"

#include <X11/Xlib.h>

namespace {

// The root's children in stacking order, bottom first.
std::vector<unsigned long> rootChildren(Display* display) {
  std::vector<unsigned long> order;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    order.assign(children, children + count);
    if (children)
      XFree(children);
  }
  return order;
}

// The child of the root that holds `window` (the window itself when it is one); 0 when there
// is none.
Window topOf(Display* display, Window window) {
  Window rootWindow = DefaultRootWindow(display);
  while (window) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
      return 0;
    if (children)
      XFree(children);
    if (parent == rootWindow)
      return window;
    window = parent;
  }
  return 0;
}

}  // namespace

RaisedWindow::RaisedWindow(unsigned long window) : m_display(XOpenDisplay(nullptr)) {
  if (!m_display)
    return;
  Window top = topOf(m_display, window);
  if (!top)
    return;
  m_order = rootChildren(m_display);
  XRaiseWindow(m_display, top);
  XSync(m_display, False);
}

RaisedWindow::~RaisedWindow() {
  if (!m_display)
    return;
  if (!m_order.empty()) {
    // XRestackWindows takes the windows from the top down.
    std::vector<Window> topDown(m_order.rbegin(), m_order.rend());
    XRestackWindows(m_display, topDown.data(), static_cast<int>(topDown.size()));
  }
  XSync(m_display, False);
  XCloseDisplay(m_display);
}
