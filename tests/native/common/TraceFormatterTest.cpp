#include "TraceFormatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

struct Formatted {
  int result;
  std::string text;
};

Formatted Ours(size_t size, const char* fmt, ...) {
  std::string buffer(size, '#');
  va_list args;
  va_start(args, fmt);
  int result = CTraceFormatter::format(buffer.data(), size, fmt, args);
  va_end(args);
  return {result, result < 0 ? std::string() : std::string(buffer.c_str())};
}

std::string Reference(size_t size, const char* fmt, ...) {
  std::string buffer(size, '#');
  va_list args;
  va_start(args, fmt);
  vsnprintf(buffer.data(), size, fmt, args);
  va_end(args);
  return buffer.c_str();
}

int Measured(size_t size, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  int result = CTraceFormatter::measure(size, fmt, args);
  va_end(args);
  return result;
}

// The same text as vsnprintf, the length of what was written, and the same length measured
// without writing.
#define EXPECT_AS_VSNPRINTF(room, ...)                                          \
  do {                                                                          \
    Formatted ours = Ours(room, __VA_ARGS__);                                   \
    std::string reference = Reference(room, __VA_ARGS__);                       \
    EXPECT_EQ(ours.result, static_cast<int>(ours.text.size()));                 \
    EXPECT_EQ(ours.text, reference);                                            \
    EXPECT_EQ(Measured(room, __VA_ARGS__), static_cast<int>(reference.size())); \
  } while (0)

}  // namespace

TEST(TraceFormatterTest, WritesWhatVsnprintfWritesForTheDirectivesItKnows) {
  EXPECT_AS_VSNPRINTF(2048, "%s %s:%d\n", "Unknown exception", "NSHtmlDocument", 120);
  EXPECT_AS_VSNPRINTF(
      2048, "After conversion, Rectangle of Control x=%d , y=%d , height=%d , Width=%d \n", -17, 0,
      INT_MAX, INT_MIN);
  EXPECT_AS_VSNPRINTF(2048, "%u|%u|%ld|%ld|%lu|%li|%i", 0u, UINT_MAX, LONG_MIN, LONG_MAX, ULONG_MAX,
                      -1L, -42);
  // Digit counts at every power of ten the measuring steps over.
  EXPECT_AS_VSNPRINTF(2048, "%u %u %u %u %lu %lu %d", 9u, 10u, 99u, 100u, 999999999ul, 1000000000ul,
                      -10);
  EXPECT_AS_VSNPRINTF(2048, "100%% of %s%c%s", "it", '!', static_cast<const char*>(nullptr));
  EXPECT_AS_VSNPRINTF(2048, "no directives at all");
  EXPECT_AS_VSNPRINTF(2048, "");
  EXPECT_AS_VSNPRINTF(2048, "%s", "text with a % sign that the argument brought in");
}

TEST(TraceFormatterTest, CutsAtTheBufferAsVsnprintfDoes) {
  const std::string longText(5000, 'x');
  EXPECT_AS_VSNPRINTF(2048, "%s", longText.c_str());
  EXPECT_EQ(Ours(2048, "%s", longText.c_str()).result, 2047);
  EXPECT_AS_VSNPRINTF(8, "abc%ddef", 123456);
  EXPECT_AS_VSNPRINTF(8, "%d", INT_MIN);
  EXPECT_AS_VSNPRINTF(1, "%s", "anything");
  EXPECT_AS_VSNPRINTF(5, "%%%%%%%%%%");
  // A NUL brought in by "%c" ends the text: the measure is what strlen finds.
  EXPECT_EQ(Measured(64, "ab%ccd", 0), 2);
  EXPECT_EQ(Measured(64, "%c", 0), 0);
}

TEST(TraceFormatterTest, LeavesEverythingElseToVsnprintf) {
  for (const char* fmt : {"%5d", "%-d", "%x", "%p", "%f", "%lld", "%.3s", "%08lx", "%ls", "%l%",
                          "trailing %", "%zu", "%hd"}) {
    SCOPED_TRACE(fmt);
    EXPECT_EQ(Ours(64, fmt, 1).result, -1);
    EXPECT_EQ(Measured(64, fmt, 1), -1);
  }
  EXPECT_EQ(Measured(0, "x"), -1);
  char out[4];
  va_list none{};
  EXPECT_EQ(CTraceFormatter::format(out, 0, "x", none), -1);
  EXPECT_EQ(CTraceFormatter::format(nullptr, 4, "x", none), -1);
  EXPECT_EQ(CTraceFormatter::format(out, sizeof out, nullptr, none), -1);
}
