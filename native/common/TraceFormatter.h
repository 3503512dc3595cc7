#ifndef NSHTML_COMMON_TRACEFORMATTER_H
#define NSHTML_COMMON_TRACEFORMATTER_H

#include <cstdarg>
#include <cstddef>

// printf-style formatting for trace text without the cost of a stdio stream: the library
// traces on its hot paths (a frame's bounds trace twice per frame level), where vsnprintf's
// stream set-up costs more than the question asked. Understands literal text, "%%", "%s",
// "%c", "%d", "%i", "%u", "%ld", "%li" and "%lu" without flags, width or precision; the text
// is the same as vsnprintf's, cut to `size` - 1 characters and terminated.
//
//   char text[64];
//   CTraceFormatter::format(text, sizeof text, "%s:%d", args);   // "NSHtmlDocument:120"
class CTraceFormatter {
 public:
  // The length of the text written, or -1 (nothing usable in `out`) when `fmt` holds a
  // directive it does not understand; the caller then formats with vsnprintf, from a copy of
  // the arguments it kept. `size` must be at least 1.
  static int format(char* out, size_t size, const char* fmt, va_list args);
  // What strlen would say of the text format would write into `size` characters (the text ends
  // at a NUL that "%c" brings in), without writing it; -1 as for format.
  static int measure(size_t size, const char* fmt, va_list args);

 private:
  static int run(char* out, size_t size, const char* fmt, va_list args);
};

#endif  // NSHTML_COMMON_TRACEFORMATTER_H
