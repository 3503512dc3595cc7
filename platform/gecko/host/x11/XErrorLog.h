// The process-wide X error handler. Xlib's default handler prints the error and exits the
// process; but windows may be destroyed by one connection while another still asks about them
// (the product queries the tree of a window that a test has just closed), and that must cost a
// failed request, not the browser. This handler logs the error on stderr and carries on.
// Xlib keeps one handler per process, so it covers the product's connection too.
#ifndef GECKOHOST_X11_XERRORLOG_H
#define GECKOHOST_X11_XERRORLOG_H

namespace geckohost::x11 {

class XErrorLog {
 public:
  // Makes this the process's handler. Safe to call again.
  static void install();

  // Errors reported since the process started, on any connection. Tests compare it before
  // and after an operation that must not provoke errors.
  static long count();

  // The error code (BadWindow is 3) and resource id of the last error; 0 before the first.
  static int lastErrorCode();
  static unsigned long lastResourceId();
};

}  // namespace geckohost::x11

#endif
