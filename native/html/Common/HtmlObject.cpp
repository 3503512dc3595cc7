#include "HtmlObject.h"

size_t wcslen(const unsigned short* text) {
  size_t length = 0;
  while (text[length])
    ++length;
  return length;
}

unsigned short* wcscpy(unsigned short* destination, const unsigned short* source) {
  size_t i = 0;
  do {
    destination[i] = source[i];
  } while (source[i++]);
  return destination;
}
