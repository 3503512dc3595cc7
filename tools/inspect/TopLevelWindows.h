// Finds top-level windows as an agent does: walking the X window tree down from the root and
// keeping every window that carries a WM_CLASS hint (without looking further inside it), and
// the shown override-redirect children of the root (drop-down popups).
#ifndef TOOLS_INSPECT_TOPLEVELWINDOWS_H
#define TOOLS_INSPECT_TOPLEVELWINDOWS_H

#include <string>
#include <vector>

struct TopLevelWindow {
  unsigned long handle;
  std::string resourceName;   // "Navigator" for browser windows
  std::string resourceClass;  // "Firefox"
  bool popup = false;         // an override-redirect window without WM_CLASS
};

class TopLevelWindows {
 public:
  // In stacking order from the bottom, which is creation order for windows never raised.
  // Uses a display connection of its own on the display that DISPLAY names.
  static std::vector<TopLevelWindow> list();
};

#endif
