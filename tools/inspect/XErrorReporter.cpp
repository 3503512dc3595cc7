#include "XErrorReporter.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void (*s_lostConnectionCleanup)() = nullptr;

int reportError(Display* display, XErrorEvent* event) {
  std::string line = XErrorReporter::describe(display, event->error_code, event->request_code,
                                              event->minor_code, event->resourceid);
  fprintf(stderr, "nshtml-inspect: %s\n", line.c_str());
  return 0;
}

// Xlib exits when this returns; the display is unusable from here on, so no cleanup that
// could talk to it runs either.
int reportLostConnection(Display* display) {
  const char* name = display ? DisplayString(display) : nullptr;
  fflush(stdout);
  fprintf(stderr, "nshtml-inspect: lost the connection to the X server %s\n", name ? name : "");
  if (s_lostConnectionCleanup)
    s_lostConnectionCleanup();
  _exit(2);
}

}  // namespace

void XErrorReporter::install() {
  XSetErrorHandler(reportError);
  XSetIOErrorHandler(reportLostConnection);
}

void XErrorReporter::setLostConnectionCleanup(void (*cleanup)()) {
  s_lostConnectionCleanup = cleanup;
}

std::string XErrorReporter::describe(Display* display, int errorCode, int requestCode,
                                     int minorCode, unsigned long resource) {
  char error[128] = {};
  XGetErrorText(display, errorCode, error, sizeof error);
  // Core requests have names in Xlib's error database ("X_GetImage"); an extension's major
  // code does not, and the numbers are all there is.
  char request[128] = {};
  std::string code = std::to_string(requestCode);
  XGetErrorDatabaseText(display, "XRequest", code.c_str(), "", request, sizeof request);
  std::string line = std::string("X error: ") + error + " in ";
  line += request[0] ? std::string(request) : "request " + code + "." + std::to_string(minorCode);
  char id[32];
  snprintf(id, sizeof id, ", resource 0x%lx", resource);
  return line + id;
}
