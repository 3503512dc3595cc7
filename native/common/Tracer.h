#ifndef NSHTML_COMMON_TRACER_H
#define NSHTML_COMMON_TRACER_H

#include <cstdarg>

// The one trace call of the library's classes: formats printf-style and writes the text at
// INFORMATION under the component "Native". Tracing never throws into the caller.
//
//   CTracer::debugTrace("%s %s:%d\n", "Unknown exception", "NSHtmlDocument", 120);
class CTracer {
 public:
  // Returns the number of characters formatted (at most 2047; longer text is cut).
  static int debugTrace(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
  static int vdebugTrace(const char* fmt, va_list args);
};

#endif  // NSHTML_COMMON_TRACER_H
