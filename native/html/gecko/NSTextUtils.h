// Clean-up of element text: the byte-level replacement in its UTF-8 form, and the same
// replacement made in place on UTF-16 text.
#ifndef NATIVE_HTML_GECKO_NSTEXTUTILS_H
#define NATIVE_HTML_GECKO_NSTEXTUTILS_H

#include "nsStringAPI.h"

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
