// Counts the host objects that are alive and can be reached through XPCOM. A test records the
// count, runs, releases everything it got, and expects the same count again: a difference is
// a leaked (or over-released) reference somewhere between the product and the host.
#ifndef GECKOHOST_API_LIVEOBJECTS_H
#define GECKOHOST_API_LIVEOBJECTS_H

#include "HostApi.h"

namespace geckohost {

class GECKOHOST_API LiveObjects {
 public:
  // Objects constructed and not yet destroyed. Example: 0 in a fresh process; 1 after the
  // service manager was first asked for.
  static long count();

  // Called by every counted object's constructor and destructor.
  static void added();
  static void removed();
};

}  // namespace geckohost

#endif
