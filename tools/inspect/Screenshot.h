// A PNG picture of a window as the X server shows it, optionally with rectangles (screen
// coordinates) drawn on top: the bounds the agent was given, to check them by eye.
#ifndef TOOLS_INSPECT_SCREENSHOT_H
#define TOOLS_INSPECT_SCREENSHOT_H

#include <string>
#include <vector>

#include "HtmlObject.h"

class Screenshot {
 public:
  // Reads the window's area from the screen (on the display DISPLAY names) and writes it to
  // `file`; each box is outlined one pixel wide in red. False with `error` on failure.
  static bool writeWindow(unsigned long window, const std::vector<HtmlRectangle>& boxes,
                          const std::string& file, std::string& error);
};

#endif
