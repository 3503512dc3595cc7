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

  // The window's picture encoded as PNG in memory, and where it sits on the screen: `area`
  // is the part of the window on the screen, in screen coordinates, which the picture shows
  // pixel for pixel. False with `error` on failure.
  static bool encodeWindow(unsigned long window, std::vector<unsigned char>& png,
                           HtmlRectangle& area, std::string& error);
  // The same for a rectangle of the screen (such as a top-level object's .bounds): `area` is
  // the part of `wanted` on the screen.
  static bool encodeArea(const HtmlRectangle& wanted, std::vector<unsigned char>& png,
                         HtmlRectangle& area, std::string& error);
};

#endif
