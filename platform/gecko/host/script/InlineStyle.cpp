#include "script/InlineStyle.h"

#include <vector>

namespace geckohost::script {

namespace {

struct Declaration {
  std::u16string name;
  std::u16string value;
};

bool isSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

std::u16string trimmed(std::u16string_view text) {
  size_t start = 0;
  size_t end = text.size();
  while (start < end && isSpace(text[start]))
    ++start;
  while (end > start && isSpace(text[end - 1]))
    --end;
  return std::u16string(text.substr(start, end - start));
}

std::u16string lowered(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

// "a: 1; b: 2" -> {a, 1}, {b, 2}; pieces without a colon are dropped, as CSS drops them.
std::vector<Declaration> declarationsOf(std::u16string_view style) {
  std::vector<Declaration> declarations;
  size_t start = 0;
  while (start <= style.size()) {
    size_t end = style.find(u';', start);
    if (end == std::u16string_view::npos)
      end = style.size();
    std::u16string_view piece = style.substr(start, end - start);
    size_t colon = piece.find(u':');
    if (colon != std::u16string_view::npos) {
      std::u16string name = lowered(trimmed(piece.substr(0, colon)));
      if (!name.empty())
        declarations.push_back({name, trimmed(piece.substr(colon + 1))});
    }
    start = end + 1;
  }
  return declarations;
}

}  // namespace

std::u16string InlineStyle::property(std::u16string_view style, std::u16string_view name) {
  std::u16string wanted = lowered(std::u16string(name));
  std::u16string value;
  for (const Declaration& declaration : declarationsOf(style)) {
    if (declaration.name == wanted)
      value = declaration.value;
  }
  return value;
}

std::u16string InlineStyle::withProperty(std::u16string_view style, std::u16string_view name,
                                         std::u16string_view value) {
  std::u16string wanted = lowered(std::u16string(name));
  std::u16string text;
  auto append = [&text](const std::u16string& declarationName, std::u16string_view declared) {
    if (!text.empty())
      text += u"; ";
    text += declarationName + u": " + std::u16string(declared);
  };
  for (const Declaration& declaration : declarationsOf(style)) {
    if (declaration.name != wanted)
      append(declaration.name, declaration.value);
  }
  std::u16string newValue = trimmed(value);
  if (!newValue.empty())
    append(wanted, newValue);
  return text;
}

}  // namespace geckohost::script
