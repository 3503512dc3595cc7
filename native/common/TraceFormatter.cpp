#include "TraceFormatter.h"

#include <cstring>
#include <limits>

namespace {

// Appends to a fixed buffer, dropping what does not fit and keeping room for the terminator.
// Without a buffer it only counts, noting where the first NUL character would have gone.
class Output {
 public:
  Output(char* out, size_t size) : m_out(out), m_room(size - 1) {}
  void put(char c) {
    if (m_length >= m_room)
      return;
    if (m_out)
      m_out[m_length] = c;
    else if (c == '\0' && m_firstNul < 0)
      m_firstNul = static_cast<long>(m_length);
    ++m_length;
  }
  // Counting only: `count` characters that are not NUL.
  void skip(size_t count) { m_length += count < m_room - m_length ? count : m_room - m_length; }
  bool counting() const { return m_out == nullptr; }
  void put(const char* text, size_t length) {
    size_t take = length < m_room - m_length ? length : m_room - m_length;
    if (m_out)
      memcpy(m_out + m_length, text, take);
    m_length += take;
  }
  // The length written; when only counting, the length strlen would find.
  int finish() {
    if (m_out)
      m_out[m_length] = '\0';
    else if (m_firstNul >= 0)
      return static_cast<int>(m_firstNul);
    return static_cast<int>(m_length);
  }

 private:
  char* m_out;
  size_t m_room;
  size_t m_length = 0;
  long m_firstNul = -1;
};

void putUnsigned(Output& output, unsigned long value) {
  if (output.counting()) {  // only the number of digits matters
    size_t count = 1;
    // A comparison per digit instead of a division; the count stops at the type's widest
    // number, before the bound would overflow.
    const size_t widest = std::numeric_limits<unsigned long>::digits10 + 1;
    for (unsigned long bound = 10; value >= bound && count < widest; bound *= 10)
      ++count;
    output.skip(count);
    return;
  }
  char digits[24];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value);
  while (count)
    output.put(digits[--count]);
}

void putSigned(Output& output, long value) {
  if (value < 0) {
    output.put('-');
    // Negating in unsigned arithmetic keeps LONG_MIN right.
    putUnsigned(output, 0UL - static_cast<unsigned long>(value));
    return;
  }
  putUnsigned(output, static_cast<unsigned long>(value));
}

}  // namespace

int CTraceFormatter::format(char* out, size_t size, const char* fmt, va_list args) {
  return out ? run(out, size, fmt, args) : -1;
}

int CTraceFormatter::measure(size_t size, const char* fmt, va_list args) {
  return run(nullptr, size, fmt, args);
}

int CTraceFormatter::run(char* out, size_t size, const char* fmt, va_list args) {
  if (size == 0 || !fmt)
    return -1;
  Output output(out, size);
  for (const char* at = fmt; *at; ++at) {
    if (*at != '%') {
      const char* directive = strchr(at, '%');
      const size_t length = directive ? static_cast<size_t>(directive - at) : strlen(at);
      output.put(at, length);
      at += length - 1;
      continue;
    }
    const bool isLong = at[1] == 'l';
    const char directive = isLong ? at[2] : at[1];
    switch (directive) {
      case '%':
        if (isLong)
          return -1;
        output.put('%');
        break;
      case 's': {
        if (isLong)
          return -1;
        const char* text = va_arg(args, const char*);
        if (!text)
          text = "(null)";
        output.put(text, strlen(text));
        break;
      }
      case 'c':
        if (isLong)
          return -1;
        output.put(static_cast<char>(va_arg(args, int)));
        break;
      case 'd':
      case 'i':
        putSigned(output, isLong ? va_arg(args, long) : va_arg(args, int));
        break;
      case 'u':
        putUnsigned(output, isLong ? va_arg(args, unsigned long) : va_arg(args, unsigned int));
        break;
      default:
        return -1;
    }
    at += isLong ? 2 : 1;
  }
  return output.finish();
}
