#include "XErrorLog.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace geckohost::x11 {

namespace {

// One thread, like Gecko's main thread; Xlib calls the handler on the thread that made the
// request.
long g_errorCount = 0;
int g_lastCode = 0;
unsigned long g_lastResource = 0;

int logAndContinue(Display* display, XErrorEvent* event) {
  ++g_errorCount;
  g_lastCode = event->error_code;
  g_lastResource = event->resourceid;
  char text[128] = {};
  XGetErrorText(display, event->error_code, text, sizeof text);
  std::fprintf(stderr, "geckohost: X error %d (%s), request %d.%d, resource 0x%lx\n",
               event->error_code, text, event->request_code, event->minor_code, event->resourceid);
  return 0;
}

}  // namespace

void XErrorLog::install() {
  XSetErrorHandler(logAndContinue);
}

long XErrorLog::count() {
  return g_errorCount;
}

int XErrorLog::lastErrorCode() {
  return g_lastCode;
}

unsigned long XErrorLog::lastResourceId() {
  return g_lastResource;
}

}  // namespace geckohost::x11
