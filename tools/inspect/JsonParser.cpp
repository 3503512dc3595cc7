#include "JsonParser.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const int kDeepest = 64;

void appendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::optional<JsonValue> JsonParser::parse(const std::string& text) {
  JsonParser parser(text);
  JsonValue result;
  if (!parser.value(result, 0))
    return std::nullopt;
  parser.skipSpace();
  if (!parser.atEnd())
    return std::nullopt;
  return result;
}

void JsonParser::skipSpace() {
  while (!atEnd() && isSpace(m_text[m_at]))
    ++m_at;
}

bool JsonParser::next(char wanted) {
  skipSpace();
  if (atEnd() || m_text[m_at] != wanted)
    return false;
  ++m_at;
  return true;
}

bool JsonParser::word(const char* literal) {
  size_t length = strlen(literal);
  if (m_text.compare(m_at, length, literal) != 0)
    return false;
  m_at += length;
  return true;
}

bool JsonParser::value(JsonValue& out, int depth) {
  skipSpace();
  if (atEnd() || depth >= kDeepest)
    return false;
  switch (m_text[m_at]) {
    case '[':
      return array(out, depth);
    case '{':
      return object(out, depth);
    case '"': {
      std::string text;
      if (!string(text))
        return false;
      out = JsonValue::string(text);
      return true;
    }
    case 't':
      out = JsonValue::boolean(true);
      return word("true");
    case 'f':
      out = JsonValue::boolean(false);
      return word("false");
    case 'n':
      out = JsonValue();
      return word("null");
    default:
      return number(out);
  }
}

bool JsonParser::array(JsonValue& out, int depth) {
  ++m_at;  // [
  out = JsonValue::array();
  if (next(']'))
    return true;
  do {
    JsonValue item;
    if (!value(item, depth + 1))
      return false;
    out.push(item);
  } while (next(','));
  return next(']');
}

bool JsonParser::object(JsonValue& out, int depth) {
  ++m_at;  // {
  out = JsonValue::object();
  if (next('}'))
    return true;
  do {
    std::string key;
    JsonValue member;
    skipSpace();
    if (atEnd() || m_text[m_at] != '"' || !string(key) || !next(':') || !value(member, depth + 1))
      return false;
    out.set(key, member);
  } while (next(','));
  return next('}');
}

bool JsonParser::string(std::string& out) {
  ++m_at;  // the opening quote
  while (!atEnd()) {
    char c = m_text[m_at++];
    if (c == '"')
      return true;
    if (static_cast<unsigned char>(c) < 0x20)
      return false;
    if (c != '\\') {
      out += c;
    } else if (!escape(out)) {
      return false;
    }
  }
  return false;
}

bool JsonParser::escape(std::string& out) {
  if (atEnd())
    return false;
  char c = m_text[m_at++];
  const char* from = "\"\\/bfnrt";
  const char* to = "\"\\/\b\f\n\r\t";
  if (const char* known = c ? strchr(from, c) : nullptr) {
    out += to[known - from];
    return true;
  }
  unsigned unit = 0;
  if (c != 'u' || !hexQuad(unit))
    return false;
  if (unit >= 0xDC00 && unit < 0xE000)
    return false;  // a low surrogate without its high one
  if (unit >= 0xD800 && unit < 0xDC00) {
    unsigned low = 0;
    if (!word("\\u") || !hexQuad(low) || low < 0xDC00 || low >= 0xE000)
      return false;
    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
  }
  appendUtf8(out, unit);
  return true;
}

bool JsonParser::hexQuad(unsigned& unit) {
  if (m_text.size() - m_at < 4)
    return false;
  unit = 0;
  for (int i = 0; i < 4; ++i) {
    char c = m_text[m_at++];
    if (!isxdigit(static_cast<unsigned char>(c)))
      return false;
    unit = unit * 16 + static_cast<unsigned>(isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return true;
}

// -?(0|[1-9][0-9]*), and within 64 bits.
bool JsonParser::number(JsonValue& out) {
  size_t start = m_at;
  if (!atEnd() && m_text[m_at] == '-')
    ++m_at;
  if (atEnd() || !isDigit(m_text[m_at]))
    return false;
  if (m_text[m_at] == '0') {
    ++m_at;
  } else {
    while (!atEnd() && isDigit(m_text[m_at]))
      ++m_at;
  }
  if (!atEnd() && (m_text[m_at] == '.' || m_text[m_at] == 'e' || m_text[m_at] == 'E'))
    return false;
  std::string digits = m_text.substr(start, m_at - start);
  errno = 0;
  long long parsed = strtoll(digits.c_str(), nullptr, 10);
  if (errno == ERANGE)
    return false;
  out = JsonValue::integer(parsed);
  return true;
}
