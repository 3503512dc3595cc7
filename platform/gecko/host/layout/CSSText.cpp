#include "layout/CSSText.h"

namespace geckohost::layout::css {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && isSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = char(c - 'A' + 'a');
  }
  return out;
}

std::vector<std::string_view> splitOutsideParentheses(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    } else if (c == separator && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<std::string_view> splitValues(std::string_view text) {
  std::vector<std::string_view> parts;
  int depth = 0;
  size_t start = std::string_view::npos;
  for (size_t i = 0; i <= text.size(); ++i) {
    bool end = i == text.size();
    char c = end ? ' ' : text[i];
    if (c == '(')
      ++depth;
    else if (c == ')' && depth > 0)
      --depth;
    bool separates = isSpace(c) && (depth == 0 || end);
    if (separates) {
      if (start != std::string_view::npos)
        parts.push_back(text.substr(start, i - start));
      start = std::string_view::npos;
    } else if (start == std::string_view::npos) {
      start = i;
    }
  }
  return parts;
}

std::string stripComments(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "/*") == 0) {
      size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos)
        break;
      i = end + 2;
      out.push_back(' ');
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

}  // namespace geckohost::layout::css
