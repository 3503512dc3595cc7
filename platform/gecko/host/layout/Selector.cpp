#include "layout/Selector.h"

#include "dom/DOMStrings.h"
#include "dom/Element.h"
#include "layout/CSSText.h"

namespace geckohost::layout {

namespace {

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// Reads a name at `position`, moving past it; empty when none starts there.
std::string_view readName(std::string_view text, size_t& position) {
  size_t start = position;
  while (position < text.size() && isNameCharacter(text[position]))
    ++position;
  return text.substr(start, position - start);
}

}  // namespace

std::optional<Selector> Selector::parse(std::string_view text) {
  text = css::trim(text);
  if (text.empty())
    return std::nullopt;
  Selector selector;
  size_t position = 0;
  if (text[0] == '*') {
    position = 1;
  } else {
    std::string_view type = readName(text, position);
    selector.mType = dom::utf8ToUTF16(css::lowerCase(type));
  }
  while (position < text.size()) {
    char marker = text[position++];
    std::string_view name = readName(text, position);
    if (name.empty())
      return std::nullopt;
    if (marker == '#')
      selector.mIds.push_back(dom::utf8ToUTF16(name));
    else if (marker == '.')
      selector.mClasses.push_back(dom::utf8ToUTF16(name));
    else
      return std::nullopt;
  }
  return selector;
}

bool Selector::matches(const dom::Element& element) const {
  if (!mType.empty() && dom::asciiLowerCase(element.localName()) != mType)
    return false;
  if (!mIds.empty()) {
    std::u16string id = element.id();
    for (const std::u16string& wanted : mIds) {
      if (id != wanted)
        return false;
    }
  }
  for (const std::u16string& name : mClasses) {
    if (!element.hasClass(name))
      return false;
  }
  return true;
}

int Selector::specificity() const {
  return int(mIds.size()) * 100 + int(mClasses.size()) * 10 + (mType.empty() ? 0 : 1);
}

}  // namespace geckohost::layout
