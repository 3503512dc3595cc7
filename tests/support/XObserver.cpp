#include "XObserver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testsupport {

XObserver::XObserver() : mDisplay(XOpenDisplay(nullptr)) {}

XObserver::XObserver(const std::string& displayName)
    : mDisplay(XOpenDisplay(displayName.c_str())) {}

XObserver::~XObserver() {
  if (mDisplay)
    XCloseDisplay(mDisplay);
}

XWindowId XObserver::root() const {
  return DefaultRootWindow(mDisplay);
}

ScreenRect XObserver::screenSize() const {
  int screen = DefaultScreen(mDisplay);
  return {0, 0, DisplayWidth(mDisplay, screen), DisplayHeight(mDisplay, screen)};
}

int XObserver::depth() const {
  return DefaultDepth(mDisplay, DefaultScreen(mDisplay));
}

bool XObserver::exists(XWindowId window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(mDisplay, window, &attributes) != 0;
}

XWindowId XObserver::parentOf(XWindowId window) const {
  Window rootWindow = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(mDisplay, window, &rootWindow, &parent, &children, &count))
    return 0;
  if (children)
    XFree(children);
  return parent;
}

std::vector<XWindowId> XObserver::childrenOf(XWindowId window) const {
  Window rootWindow = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<XWindowId> result;
  if (!XQueryTree(mDisplay, window, &rootWindow, &parent, &children, &count))
    return result;
  result.assign(children, children + count);
  if (children)
    XFree(children);
  return result;
}

int XObserver::descendantCount(XWindowId window) const {
  int count = 0;
  for (XWindowId child : childrenOf(window))
    count += 1 + descendantCount(child);
  return count;
}

std::optional<ClassHint> XObserver::classHint(XWindowId window) const {
  XClassHint hint = {nullptr, nullptr};
  if (!XGetClassHint(mDisplay, window, &hint))
    return std::nullopt;
  ClassHint result{hint.res_name ? hint.res_name : "", hint.res_class ? hint.res_class : ""};
  if (hint.res_name)
    XFree(hint.res_name);
  if (hint.res_class)
    XFree(hint.res_class);
  return result;
}

XWindowId XObserver::transientFor(XWindowId window) const {
  Window owner = 0;
  if (!XGetTransientForHint(mDisplay, window, &owner))
    return 0;
  return owner;
}

std::string XObserver::title(XWindowId window) const {
  char* name = nullptr;
  if (!XFetchName(mDisplay, window, &name) || !name)
    return {};
  std::string result = name;
  XFree(name);
  return result;
}

std::string XObserver::utf8Title(XWindowId window) const {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Atom property = XInternAtom(mDisplay, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(mDisplay, "UTF8_STRING", False);
  if (XGetWindowProperty(mDisplay, window, property, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) != Success ||
      !data) {
    return {};
  }
  std::string result(reinterpret_cast<char*>(data), count);
  XFree(data);
  return result;
}

ScreenRect XObserver::screenRect(XWindowId window) const {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(mDisplay, window, &attributes))
    return {};
  int x = 0, y = 0;
  Window child = 0;
  if (!XTranslateCoordinates(mDisplay, window, root(), 0, 0, &x, &y, &child))
    return {};
  return {x, y, attributes.width, attributes.height};
}

ScreenRect XObserver::relativeRect(XWindowId window) const {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(mDisplay, window, &attributes))
    return {};
  return {attributes.x, attributes.y, attributes.width, attributes.height};
}

bool XObserver::isViewable(XWindowId window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(mDisplay, window, &attributes) && attributes.map_state == IsViewable;
}

bool XObserver::isMapped(XWindowId window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(mDisplay, window, &attributes) && attributes.map_state != IsUnmapped;
}

bool XObserver::overrideRedirect(XWindowId window) const {
  XWindowAttributes attributes;
  return XGetWindowAttributes(mDisplay, window, &attributes) && attributes.override_redirect;
}

}  // namespace testsupport
