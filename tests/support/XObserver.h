// A second, independent Xlib connection that looks at the server the way the product does:
// it sees only what the host has already synced. Tests compare what it reports with what the
// host claims.
//
//   XObserver observer;                         // connects to DISPLAY
//   EXPECT_EQ(observer.parentOf(topLevel), frame);
//   EXPECT_EQ(observer.classHint(topLevel), (ClassHint{"Navigator", "Firefox"}));
#ifndef TESTS_SUPPORT_XOBSERVER_H
#define TESTS_SUPPORT_XOBSERVER_H

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct _XDisplay;

namespace testsupport {

using XWindowId = unsigned long;

struct ClassHint {
  std::string resName;
  std::string resClass;
  bool operator==(const ClassHint& other) const {
    return resName == other.resName && resClass == other.resClass;
  }
};

inline std::ostream& operator<<(std::ostream& out, const ClassHint& hint) {
  return out << '{' << hint.resName << ", " << hint.resClass << '}';
}

// A window's rectangle with its origin translated to the root window.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};

inline std::ostream& operator<<(std::ostream& out, const ScreenRect& r) {
  return out << '(' << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ')';
}

class XObserver {
 public:
  XObserver();  // connects to DISPLAY; connected() says whether that worked
  explicit XObserver(const std::string& displayName);
  ~XObserver();
  XObserver(const XObserver&) = delete;
  XObserver& operator=(const XObserver&) = delete;

  bool connected() const { return mDisplay != nullptr; }
  XWindowId root() const;
  ScreenRect screenSize() const;  // (0, 0, width, height) of the default screen
  int depth() const;              // of the default screen

  bool exists(XWindowId window) const;
  XWindowId parentOf(XWindowId window) const;                 // 0 when the window is gone
  std::vector<XWindowId> childrenOf(XWindowId window) const;  // bottom to top
  // Every window below `window`, at any depth.
  int descendantCount(XWindowId window) const;

  std::optional<ClassHint> classHint(XWindowId window) const;  // none without WM_CLASS
  XWindowId transientFor(XWindowId window) const;              // 0 without the hint
  std::string title(XWindowId window) const;                   // WM_NAME
  std::string utf8Title(XWindowId window) const;               // _NET_WM_NAME

  ScreenRect screenRect(XWindowId window) const;  // all zero when the window is gone
  // Position relative to the parent, as XGetWindowAttributes reports it.
  ScreenRect relativeRect(XWindowId window) const;
  bool isViewable(XWindowId window) const;  // mapped, with every ancestor mapped
  bool isMapped(XWindowId window) const;    // mapped itself
  bool overrideRedirect(XWindowId window) const;

 private:
  _XDisplay* mDisplay;
};

}  // namespace testsupport

#endif
