#include "NSTextUtils.h"

void ff3ReplaceChar(nsCString_external& text, const char* find, char replacement) {
  if (!find)
    return;
  const char target = *find;
  PRUint32 i = 0;
  while (i < text.Length()) {
    if (text.CharAt(i) != target) {
      ++i;
      continue;
    }
    if (static_cast<unsigned char>(target) == 0xC2) {
      if (i + 1 < text.Length() && static_cast<unsigned char>(text.CharAt(i + 1)) == 0xA0) {
        text.Replace(i, 2, replacement);
      }
      ++i;
      continue;
    }
    text.Replace(i, 1, replacement);
    ++i;
  }
}

void replaceWideSpace(nsString_external& text, PRUint32 from) {
  PRUint32 length = text.Length();
  if (from >= length)
    return;
  PRUnichar* c = text.BeginWriting() + from;
  for (PRUnichar* end = c + (length - from); c != end; ++c) {
    if (*c > ' ' && *c != 0xA0)
      continue;  // the common case, told in two comparisons
    if (*c == '\t' || *c == '\n' || *c == '\r' || *c == 0xA0)
      *c = ' ';
  }
}
