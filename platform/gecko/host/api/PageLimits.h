// What the host reads as a page from a file: a regular file of at most kLargestPageBytes bytes.
// Anything else (a directory, a FIFO that may never be written, a device such as /dev/zero
// that never ends, a larger file) shows the error page instead, in a tab or a frame alike.
#ifndef GECKOHOST_API_PAGELIMITS_H
#define GECKOHOST_API_PAGELIMITS_H

#include <cstddef>

namespace geckohost {

constexpr size_t kLargestPageBytes = size_t(64) << 20;

}  // namespace geckohost

#endif
