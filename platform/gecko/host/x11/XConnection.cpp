#include "XConnection.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "XErrorLog.h"

namespace geckohost::x11 {

namespace {

// Scales an 8-bit channel into the bits of `mask` (0x00ff0000 for red in 24-bit TrueColor).
unsigned long placeChannel(unsigned value, unsigned long mask) {
  if (mask == 0)
    return 0;
  int shift = 0;
  while (((mask >> shift) & 1UL) == 0)
    ++shift;
  unsigned long width = mask >> shift;
  return ((static_cast<unsigned long>(value & 0xff) * width / 0xff) << shift) & mask;
}

}  // namespace

std::unique_ptr<XConnection> XConnection::open(const char* displayName) {
  XErrorLog::install();
  const char* name = (displayName && *displayName) ? displayName : nullptr;
  Display* display = XOpenDisplay(name);
  if (!display)
    return nullptr;
  return std::unique_ptr<XConnection>(new XConnection(display));
}

XConnection::XConnection(XDisplay* display) : mDisplay(display) {
  int screen = DefaultScreen(mDisplay);
  mRoot = RootWindow(mDisplay, screen);
  mScreenWidth = DisplayWidth(mDisplay, screen);
  mScreenHeight = DisplayHeight(mDisplay, screen);
  Visual* visual = DefaultVisual(mDisplay, screen);
  mRedMask = visual->red_mask;
  mGreenMask = visual->green_mask;
  mBlueMask = visual->blue_mask;
}

XConnection::~XConnection() {
  XCloseDisplay(mDisplay);
}

std::string XConnection::displayName() const {
  return DisplayString(mDisplay);
}

void XConnection::sync() const {
  XSync(mDisplay, False);
}

unsigned long XConnection::atom(const char* name) {
  auto found = mAtoms.find(name);
  if (found != mAtoms.end())
    return found->second;
  Atom created = XInternAtom(mDisplay, name, False);
  mAtoms.emplace(name, created);
  return created;
}

unsigned long XConnection::pixelForRgb(unsigned red, unsigned green, unsigned blue) const {
  return placeChannel(red, mRedMask) | placeChannel(green, mGreenMask) |
         placeChannel(blue, mBlueMask);
}

}  // namespace geckohost::x11
