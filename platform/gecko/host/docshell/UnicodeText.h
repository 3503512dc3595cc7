// Conversions between the strings of the XPCOM surface (PRUnichar*, nsAString) and the host's
// std::u16string / UTF-8 std::string.
#ifndef GECKOHOST_DOCSHELL_UNICODETEXT_H
#define GECKOHOST_DOCSHELL_UNICODETEXT_H

#include <string>

#include "nsMemory.h"
#include "nsStringAPI.h"

namespace geckohost {

// The zero-terminated text at `text`; empty for null.
inline std::u16string u16FromUnichars(const PRUnichar* text) {
  std::u16string result;
  if (!text)
    return result;
  for (const PRUnichar* c = text; *c; ++c)
    result.push_back(static_cast<char16_t>(*c));
  return result;
}

inline std::u16string u16FromString(const nsAString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.BeginReading()), text.Length());
}

inline void assignU16(nsAString& target, const std::u16string& text) {
  target.Assign(reinterpret_cast<const PRUnichar*>(text.data()),
                static_cast<PRUint32>(text.size()));
}

// A copy for an out-parameter, allocated with nsMemory as the caller will free it.
inline PRUnichar* newUnichars(const std::u16string& text) {
  auto* copy = static_cast<PRUnichar*>(nsMemory::Alloc((text.size() + 1) * sizeof(PRUnichar)));
  if (!copy)
    return nullptr;
  for (size_t i = 0; i < text.size(); ++i)
    copy[i] = static_cast<PRUnichar>(text[i]);
  copy[text.size()] = 0;
  return copy;
}

}  // namespace geckohost

#endif
