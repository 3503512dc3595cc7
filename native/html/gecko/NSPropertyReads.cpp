#include "NSPropertyReads.h"

#include <climits>

int NSDecimalAttributeValue(const nsAString& text) {
  const PRUnichar* p = text.BeginReading();
  const PRUnichar* end = text.EndReading();
  while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f'))
    ++p;
  if (p < end && *p == '+')
    ++p;
  long long value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > INT_MAX)
      return INT_MAX;
  }
  return static_cast<int>(value);
}
