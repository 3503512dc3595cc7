// Xlib's handle types without Xlib's header. <X11/Xlib.h> defines macros (None, Bool, Status,
// True, False, Success) that collide with names in the Gecko interface headers, so only the
// .cpp files of this folder include it; everything else sees these aliases.
#ifndef GECKOHOST_X11_XTYPES_H
#define GECKOHOST_X11_XTYPES_H

struct _XDisplay;

namespace geckohost::x11 {

using XDisplay = _XDisplay;     // Xlib's Display
using XWindow = unsigned long;  // Xlib's Window (an XID)

// The "no window" id (Xlib's None).
constexpr XWindow kNoWindow = 0;

}  // namespace geckohost::x11

#endif
