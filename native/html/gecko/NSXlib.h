// Xlib as the library uses it. The functions are not linked into the library: they are taken
// from the browser process, which has libX11 loaded. They are declared weak, so that the
// library still loads in a process without Xlib; there the display stays closed and nothing
// below calls into Xlib.
#ifndef NATIVE_HTML_GECKO_NSXLIB_H
#define NATIVE_HTML_GECKO_NSXLIB_H

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#pragma weak XOpenDisplay
#pragma weak XCloseDisplay
#pragma weak XQueryTree
#pragma weak XGetClassHint
#pragma weak XGetTransientForHint
#pragma weak XGetWindowAttributes
#pragma weak XTranslateCoordinates
#pragma weak XFree

// The library's one display connection, opened when the library is loaded; null when there
// is no X server (or no Xlib in the process).
extern Display* ns_zv_display;

// The library's display when it can still be used; null when there is none or its connection
// is gone (the X server went away, or closed this client). Call it before every Xlib call:
// Xlib meets a dead connection by calling the process's I/O error handler, which is the
// browser's and, by default, ends the process. The library is a guest there and installs no
// handler of its own; it finds out first and answers without the display instead. Once lost,
// the connection is never used again, not even to close it at exit.
Display* ns_zv_usableDisplay();

// The window handle, as the window manager sees it, of the top-level window that contains
// the X window `window`: the nearest window, going up from `window`, that carries a WM_CLASS
// hint; failing that, the window just below the root. 0 without a display.
Window ns_zv_topLevelWindowHandle(Window window);

#endif
