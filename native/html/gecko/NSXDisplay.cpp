// The browser module's share of loading the library: open the display connection that every
// Xlib call of the library goes through, and close it when the process exits.
#include <errno.h>
#include <poll.h>
#include <sys/socket.h>

#include <cstdlib>

#include "NSXlib.h"
#include "Tracer.h"

Display* ns_zv_display = nullptr;

namespace {

bool s_displayLost = false;

// Whether the peer closed the socket: without reading anything Xlib has not read. Data that is
// waiting (events, replies) leaves the connection usable unless the peer has hung up as well.
bool peerHungUp(int socket) {
  struct pollfd connection = {socket, POLLIN | POLLRDHUP, 0};
  int ready;
  do {
    ready = poll(&connection, 1, 0);
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0)
    return false;
  if (connection.revents & (POLLERR | POLLHUP | POLLNVAL | POLLRDHUP))
    return true;
  char next;
  ssize_t peeked = recv(socket, &next, 1, MSG_PEEK | MSG_DONTWAIT);
  return peeked == 0;
}

void closeDisplayAtExit() {
  // A connection the server closed stays as it is (and reachable): XCloseDisplay would write to
  // the dead socket and end in Xlib's I/O error handler, which exits the browser.
  if (!ns_zv_usableDisplay() || !XCloseDisplay)
    return;
  XCloseDisplay(ns_zv_display);
  ns_zv_display = nullptr;
}

struct DisplayOpener {
  DisplayOpener() {
    if (!XOpenDisplay)
      return;  // no Xlib in this process
    ns_zv_display = XOpenDisplay(nullptr);
    if (ns_zv_display)
      atexit(closeDisplayAtExit);
  }
};

DisplayOpener s_displayOpener __attribute__((init_priority(2000)));

}  // namespace

Display* ns_zv_usableDisplay() {
  if (!ns_zv_display || s_displayLost)
    return nullptr;
  if (peerHungUp(ConnectionNumber(ns_zv_display))) {
    s_displayLost = true;
    CTracer::debugTrace(
        "The connection to the X display was lost; window handles and window "
        "positions are unavailable from now on\n");
    return nullptr;
  }
  return ns_zv_display;
}

Window ns_zv_topLevelWindowHandle(Window window) {
  if (!window || !ns_zv_usableDisplay())
    return 0;
  for (;;) {
    XClassHint hint;
    hint.res_name = nullptr;
    hint.res_class = nullptr;
    XGetClassHint(ns_zv_display, window, &hint);
    if (hint.res_name) {
      XFree(hint.res_name);
      if (hint.res_class)
        XFree(hint.res_class);
      return window;
    }
    if (hint.res_class) {
      XFree(hint.res_class);
      return window;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(ns_zv_display, window, &root, &parent, &children, &count))
      return window;
    if (children)
      XFree(children);
    if (parent == root || parent == 0)
      return window;
    window = parent;
  }
}
