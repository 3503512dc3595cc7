#include "nsID.h"

#include <cstdio>

namespace {

// Reads `count` hexadecimal digits at `*p` into `*value`, advancing `*p`.
bool ReadHex(const char** p, int count, PRUint32* value) {
  PRUint32 result = 0;
  for (int i = 0; i < count; ++i) {
    char c = (*p)[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    result = (result << 4) | PRUint32(digit);
  }
  *p += count;
  *value = result;
  return true;
}

bool Expect(const char** p, char c) {
  if (**p != c)
    return false;
  ++*p;
  return true;
}

}  // namespace

PRBool nsID::Parse(const char* text) {
  if (!text)
    return PR_FALSE;
  const char* p = text;
  bool braced = *p == '{';
  if (braced)
    ++p;
  nsID parsed;
  PRUint32 value;
  if (!ReadHex(&p, 8, &value))
    return PR_FALSE;
  parsed.m0 = value;
  if (!Expect(&p, '-') || !ReadHex(&p, 4, &value))
    return PR_FALSE;
  parsed.m1 = PRUint16(value);
  if (!Expect(&p, '-') || !ReadHex(&p, 4, &value))
    return PR_FALSE;
  parsed.m2 = PRUint16(value);
  if (!Expect(&p, '-'))
    return PR_FALSE;
  for (int i = 0; i < 8; ++i) {
    if (i == 2 && !Expect(&p, '-'))
      return PR_FALSE;
    if (!ReadHex(&p, 2, &value))
      return PR_FALSE;
    parsed.m3[i] = PRUint8(value);
  }
  if (braced && !Expect(&p, '}'))
    return PR_FALSE;
  if (*p)
    return PR_FALSE;
  *this = parsed;
  return PR_TRUE;
}

void nsID::ToProvidedString(char (&dest)[39]) const {
  snprintf(dest, sizeof dest, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", m0, m1, m2,
           m3[0], m3[1], m3[2], m3[3], m3[4], m3[5], m3[6], m3[7]);
}
