#include "Tracer.h"

#include <cstdio>
#include <cstring>

#include "TraceFormatter.h"
#include "ZvDebug.h"

namespace {

constexpr size_t kTextSize = 2048;

}  // namespace

int CTracer::debugTrace(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  int length = 0;
  try {
    length = vdebugTrace(fmt, args);
  } catch (...) {
    // A failure to trace must never become the caller's failure.
  }
  va_end(args);
  return length;
}

int CTracer::vdebugTrace(const char* fmt, va_list args) {
  if (!fmt) {
    return 0;
  }
  // With the trace off and no debug channel the facility writes nothing; the caller still gets
  // the text's length, measured without writing the text.
  const bool silent = ZvDebug::WritesNothing();
  char text[kTextSize];
  va_list fallback;
  va_copy(fallback, args);
  int formatted = silent ? CTraceFormatter::measure(sizeof text, fmt, args)
                         : CTraceFormatter::format(text, sizeof text, fmt, args);
  if (silent && formatted >= 0) {
    va_end(fallback);
    return formatted;
  }
  if (formatted < 0)
    formatted = vsnprintf(text, sizeof text, fmt, fallback);
  va_end(fallback);
  if (formatted < 0) {
    return 0;
  }
  // Passed on as literal text: a "%" that the arguments brought in is not a directive.
  GenericNative.Trace("%s", text);
  return static_cast<int>(strlen(text));
}
