#include "dom/DOMStrings.h"

namespace geckohost::dom {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Number of continuation bytes a UTF-8 lead byte announces, or -1 for an invalid lead.
int continuationCount(unsigned char lead) {
  if (lead < 0x80)
    return 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    return 1;
  if (lead >= 0xE0 && lead <= 0xEF)
    return 2;
  if (lead >= 0xF0 && lead <= 0xF4)
    return 3;
  return -1;
}

void appendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(char16_t(cp));
    return;
  }
  cp -= 0x10000;
  out.push_back(char16_t(0xD800 + (cp >> 10)));
  out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
}

void appendUTF8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(char(cp));
  } else if (cp < 0x800) {
    out.push_back(char(0xC0 | (cp >> 6)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(char(0xE0 | (cp >> 12)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (cp >> 18)));
    out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  }
}

// Decodes one sequence at `pos` and advances past it; an invalid sequence yields U+FFFD and
// skips only its lead byte and the continuation bytes that were valid.
char32_t decodeOne(std::string_view utf8, size_t& pos) {
  auto lead = static_cast<unsigned char>(utf8[pos++]);
  int more = continuationCount(lead);
  if (more == 0)
    return lead;
  if (more < 0)
    return kReplacement;
  char32_t cp = lead & (0x3F >> more);
  for (int i = 0; i < more; ++i) {
    if (pos >= utf8.size())
      return kReplacement;
    auto next = static_cast<unsigned char>(utf8[pos]);
    if ((next & 0xC0) != 0x80)
      return kReplacement;
    cp = (cp << 6) | (next & 0x3F);
    ++pos;
  }
  bool overlong = (more == 2 && cp < 0x800) || (more == 3 && cp < 0x10000);
  bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  if (overlong || surrogate || cp > 0x10FFFF)
    return kReplacement;
  return cp;
}

char16_t lower(char16_t c) {
  return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
}
char16_t upper(char16_t c) {
  return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
}

}  // namespace

std::u16string utf8ToUTF16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size())
    appendCodePoint(out, decodeOne(utf8, pos));
  return out;
}

std::string utf16ToUTF8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    bool high = c >= 0xD800 && c <= 0xDBFF;
    bool low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (high || low) {
      c = kReplacement;
    }
    appendUTF8(out, c);
  }
  return out;
}

std::u16string asciiToUTF16(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

std::u16string asciiLowerCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out)
    c = lower(c);
  return out;
}

std::u16string asciiUpperCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out)
    c = upper(c);
  return out;
}

bool equalsIgnoringASCIICase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}

bool isHTMLWhitespace(char16_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

std::u16string stripAndCollapseWhitespace(std::u16string_view text) {
  std::u16string out;
  bool pendingSpace = false;
  for (char16_t c : text) {
    if (isHTMLWhitespace(c)) {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace)
      out.push_back(' ');
    pendingSpace = false;
    out.push_back(c);
  }
  return out;
}

std::vector<std::u16string> splitOnHTMLWhitespace(std::u16string_view text) {
  std::vector<std::u16string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && isHTMLWhitespace(text[pos]))
      ++pos;
    size_t start = pos;
    while (pos < text.size() && !isHTMLWhitespace(text[pos]))
      ++pos;
    if (pos > start)
      out.emplace_back(text.substr(start, pos - start));
  }
  return out;
}

bool isValidXMLName(std::u16string_view name) {
  if (name.empty())
    return false;
  auto isNameStart = [](char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0xC0;
  };
  if (!isNameStart(name[0]))
    return false;
  for (char16_t c : name.substr(1)) {
    if (!isNameStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.' && c != 0xB7) {
      return false;
    }
  }
  return true;
}

void splitQualifiedName(std::u16string_view qualifiedName, std::u16string& prefix,
                        std::u16string& localName) {
  size_t colon = qualifiedName.find(':');
  if (colon == std::u16string_view::npos) {
    prefix.clear();
    localName = qualifiedName;
    return;
  }
  prefix = qualifiedName.substr(0, colon);
  localName = qualifiedName.substr(colon + 1);
}

std::optional<int32_t> parseHTMLInteger(std::u16string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isHTMLWhitespace(text[pos]))
    ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
    negative = text[pos++] == '-';
  int64_t value = 0;
  size_t digits = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++digits) {
    value = value * 10 + (text[pos] - '0');
    if (value > int64_t(INT32_MAX) + 1)
      return std::nullopt;
  }
  if (digits == 0)
    return std::nullopt;
  if (negative)
    value = -value;
  if (value > INT32_MAX || value < INT32_MIN)
    return std::nullopt;
  return int32_t(value);
}

}  // namespace geckohost::dom
