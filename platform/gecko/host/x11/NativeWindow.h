// One X window made and owned by the host. Every change is synced before the method returns,
// so another connection (the product's) sees it at once.
//
//   NativeWindow frame(connection, connection.rootWindow(), {100, 80, 640, 480});
//   frame.setClassHint("Navigator", "Firefox");
//   frame.show();   // mapped, and visible to every other client from here on
#ifndef GECKOHOST_X11_NATIVEWINDOW_H
#define GECKOHOST_X11_NATIVEWINDOW_H

#include <string>

#include "XTypes.h"
#include "nsRect.h"

namespace geckohost::x11 {

class XConnection;

class NativeWindow {
 public:
  enum class Placement {
    Managed,           // an ordinary window, placed by its parent (or the window manager)
    OverrideRedirect,  // a popup that no window manager may move or decorate
  };

  // Creates an unmapped window inside `parent` at `bounds` (relative to the parent). A width
  // or height below 1, which X refuses, is made 1 on the server; bounds() keeps what was asked.
  NativeWindow(XConnection& connection, XWindow parent, const nsIntRect& bounds,
               Placement placement = Placement::Managed);
  ~NativeWindow();  // destroys the window and its X subwindows
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  XWindow id() const { return mId; }
  XWindow parent() const { return mParent; }
  nsIntRect bounds() const { return mBounds; }
  bool isShown() const { return mShown; }
  Placement placement() const { return mPlacement; }

  void show();
  void hide();
  void setBounds(const nsIntRect& bounds);
  void move(int x, int y) { setBounds({x, y, mBounds.width, mBounds.height}); }
  void resize(int width, int height) { setBounds({mBounds.x, mBounds.y, width, height}); }
  void raise();

  // WM_CLASS: res_name ("Navigator") and res_class ("Firefox").
  void setClassHint(const std::string& resName, const std::string& resClass);
  // WM_NAME (Latin-1 where the text allows) and _NET_WM_NAME (UTF-8).
  void setTitle(const std::string& utf8Title);
  // WM_TRANSIENT_FOR: the window this one belongs to (a dialog's owner).
  void setTransientFor(XWindow owner);
  void setBackground(unsigned long pixel);

 private:
  void sync() const;

  XConnection& mConnection;  // weak; outlives every window made on it
  XWindow mId = kNoWindow;
  XWindow mParent;
  nsIntRect mBounds;
  Placement mPlacement;
  bool mShown = false;
};

}  // namespace geckohost::x11

#endif
