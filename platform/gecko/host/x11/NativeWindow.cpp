#include "NativeWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "XConnection.h"

namespace geckohost::x11 {

namespace {

unsigned int serverExtent(int extent) {
  return static_cast<unsigned int>(std::max(extent, 1));
}

// WM_NAME is of type STRING, which is Latin-1: code points above 0xff become '?'.
std::string latin1FromUtf8(const std::string& utf8) {
  std::string latin1;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = static_cast<unsigned char>(utf8[i]);
    unsigned codePoint = lead;
    size_t length = 1;
    if (lead >= 0xf0) {
      length = 4;
      codePoint = 0x110000;
    } else if (lead >= 0xe0) {
      length = 3;
      codePoint = 0x10000;
    } else if (lead >= 0xc0 && i + 1 < utf8.size()) {
      length = 2;
      codePoint = ((lead & 0x1fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3fu);
    }
    latin1.push_back(codePoint <= 0xff ? static_cast<char>(codePoint) : '?');
    i += length;
  }
  return latin1;
}

}  // namespace

NativeWindow::NativeWindow(XConnection& connection, XWindow parent, const nsIntRect& bounds,
                           Placement placement)
    : mConnection(connection), mParent(parent), mBounds(bounds), mPlacement(placement) {
  XSetWindowAttributes attributes = {};
  unsigned long mask = CWBackPixel | CWBorderPixel;
  attributes.background_pixel = connection.pixelForRgb(0xff, 0xff, 0xff);
  attributes.border_pixel = 0;
  if (placement == Placement::OverrideRedirect) {
    attributes.override_redirect = True;
    mask |= CWOverrideRedirect;
  }
  Display* display = connection.display();
  mId = XCreateWindow(display, parent, bounds.x, bounds.y, serverExtent(bounds.width),
                      serverExtent(bounds.height), 0, CopyFromParent, InputOutput, CopyFromParent,
                      mask, &attributes);
  sync();
}

NativeWindow::~NativeWindow() {
  XDestroyWindow(mConnection.display(), mId);
  sync();
}

void NativeWindow::show() {
  XMapWindow(mConnection.display(), mId);
  mShown = true;
  sync();
}

void NativeWindow::hide() {
  XUnmapWindow(mConnection.display(), mId);
  mShown = false;
  sync();
}

void NativeWindow::setBounds(const nsIntRect& bounds) {
  mBounds = bounds;
  XMoveResizeWindow(mConnection.display(), mId, bounds.x, bounds.y, serverExtent(bounds.width),
                    serverExtent(bounds.height));
  sync();
}

void NativeWindow::raise() {
  XRaiseWindow(mConnection.display(), mId);
  sync();
}

void NativeWindow::setClassHint(const std::string& resName, const std::string& resClass) {
  // XSetClassHint takes writable strings but does not keep them.
  std::vector<char> name(resName.begin(), resName.end());
  name.push_back('\0');
  std::vector<char> klass(resClass.begin(), resClass.end());
  klass.push_back('\0');
  XClassHint hint;
  hint.res_name = name.data();
  hint.res_class = klass.data();
  XSetClassHint(mConnection.display(), mId, &hint);
  sync();
}

void NativeWindow::setTitle(const std::string& utf8Title) {
  Display* display = mConnection.display();
  std::string latin1 = latin1FromUtf8(utf8Title);
  XChangeProperty(display, mId, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(latin1.data()),
                  static_cast<int>(latin1.size()));
  XChangeProperty(display, mId, mConnection.atom("_NET_WM_NAME"), mConnection.atom("UTF8_STRING"),
                  8, PropModeReplace, reinterpret_cast<const unsigned char*>(utf8Title.data()),
                  static_cast<int>(utf8Title.size()));
  sync();
}

void NativeWindow::setTransientFor(XWindow owner) {
  XSetTransientForHint(mConnection.display(), mId, owner);
  sync();
}

void NativeWindow::setBackground(unsigned long pixel) {
  XSetWindowBackground(mConnection.display(), mId, pixel);
  XClearWindow(mConnection.display(), mId);
  sync();
}

void NativeWindow::sync() const {
  mConnection.sync();
}

}  // namespace geckohost::x11
