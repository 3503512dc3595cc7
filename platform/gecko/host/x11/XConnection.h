// The host's own connection to the X server. The product opens a second, independent
// connection in the same process, so everything the host changes is synced (XSync) before it
// returns: a request still queued here is invisible to the product.
#ifndef GECKOHOST_X11_XCONNECTION_H
#define GECKOHOST_X11_XCONNECTION_H

#include <map>
#include <memory>
#include <string>

#include "XTypes.h"

namespace geckohost::x11 {

class XConnection {
 public:
  // Connects to `displayName` (":3"), or to the display DISPLAY names when it is null or empty.
  // Null when the server cannot be reached. Installs the process-wide error handler first.
  static std::unique_ptr<XConnection> open(const char* displayName);

  ~XConnection();
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;

  XDisplay* display() const { return mDisplay; }
  XWindow rootWindow() const { return mRoot; }
  int screenWidth() const { return mScreenWidth; }
  int screenHeight() const { return mScreenHeight; }

  // The name the connection was opened with, as Xlib reports it (":3").
  std::string displayName() const;

  // Waits until the server has carried out every request sent so far. Errors they caused
  // reach the error handler before this returns.
  void sync() const;

  // The atom for `name`, created on the server on first use and cached.
  unsigned long atom(const char* name);

  // A pixel value for an RGB colour on the default visual (24-bit TrueColor in our servers).
  unsigned long pixelForRgb(unsigned red, unsigned green, unsigned blue) const;

 private:
  explicit XConnection(XDisplay* display);

  XDisplay* mDisplay;  // owned; closed by the destructor
  XWindow mRoot = kNoWindow;
  int mScreenWidth = 0;
  int mScreenHeight = 0;
  unsigned long mRedMask = 0;
  unsigned long mGreenMask = 0;
  unsigned long mBlueMask = 0;
  std::map<std::string, unsigned long> mAtoms;
};

}  // namespace geckohost::x11

#endif
