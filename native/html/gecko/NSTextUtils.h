// Clean-up of element text: the byte-level replacement in its UTF-8 form, and the same
// replacement made in place on UTF-16 text.
#ifndef NATIVE_HTML_GECKO_NSTEXTUTILS_H
#define NATIVE_HTML_GECKO_NSTEXTUTILS_H

#include <cstddef>

#include "nsStringAPI.h"

// An ASCII literal as UTF-16 characters, widened when compiled; `chars` ends with a zero.
//
//   static constexpr AsciiUtf16 kPrefix("Html.");   // kPrefix.chars, kPrefix.length() == 5
template <size_t N>
struct AsciiUtf16 {
  constexpr explicit AsciiUtf16(const char (&text)[N]) : chars() {
    for (size_t i = 0; i < N; ++i)
      chars[i] = PRUnichar(text[i]);
  }
  constexpr PRUint32 length() const { return PRUint32(N - 1); }

  PRUnichar chars[N];
};

// Replaces, in place, each occurrence of the byte `*find` by `replacement`. When `*find` is
// 0xC2, only the two-byte no-break space (0xC2 0xA0) is replaced, by the one byte; 0xC2 before
// any other byte is left alone. "a\tb" with find "\t" -> "a b"; "a\xC2\xA0b" with find
// "\xC2\xA0" -> "a b"; the degree sign "\xC2\xB0" is never touched.
void ff3ReplaceChar(nsCString_external& text, const char* find, char replacement);

// Tab, line feed, carriage return and the no-break space each become one space, from
// character `from` on: the answer of ff3ReplaceChar for each of them on the UTF-8 form, without
// the two copies.
void replaceWideSpace(nsString_external& text, PRUint32 from = 0);

#endif
