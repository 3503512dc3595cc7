// The tool's X error handlers, one line each on standard error instead of Xlib's dump of
// several lines (and its exit). A failed request is reported and the tool carries on: the
// call that made it answers failure, and the command says what it could not do. A lost
// connection to the X server cannot be carried on from: it is reported and the tool exits
// with status 2.
//
//   nshtml-inspect: X error: BadDrawable (invalid Pixmap or Window parameter) in X_GetImage,
//   resource 0x400001
//
// Xlib keeps one handler per process, for every connection: the host's and the product's too.
#ifndef TOOLS_INSPECT_XERRORREPORTER_H
#define TOOLS_INSPECT_XERRORREPORTER_H

#include <string>

struct _XDisplay;

class XErrorReporter {
 public:
  // Makes these the process's handlers. The host installs an error handler of its own when it
  // starts: call again after that.
  static void install();
  // `cleanup` runs before the tool exits on a lost connection. It runs inside Xlib's handler,
  // so it must not talk to the X server; the tool passes the removal of its temporary folder.
  static void setLostConnectionCleanup(void (*cleanup)());

  // The line for an error event (without the tool's prefix and the line end).
  static std::string describe(_XDisplay* display, int errorCode, int requestCode, int minorCode,
                              unsigned long resource);
};

#endif
