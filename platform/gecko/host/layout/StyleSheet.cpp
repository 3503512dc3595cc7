#include "layout/StyleSheet.h"

#include <algorithm>

#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "layout/CSSText.h"
#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

bool isStyleElement(const dom::Node& node) {
  if (!node.isElement())
    return false;
  auto& element = static_cast<const dom::Element&>(node);
  if (!element.isHTML(u"style"))
    return false;
  const std::u16string* type = element.attributeValue(u"type");
  return !type || type->empty() || dom::equalsIgnoringASCIICase(*type, u"text/css");
}

// The end of the block that opens at `open` (the index of its '{'), past its '}'.
size_t skipBlock(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '{') {
      ++depth;
    } else if (text[i] == '}' && --depth == 0) {
      return i + 1;
    }
  }
  return text.size();
}

}  // namespace

StyleSheet StyleSheet::fromDocument(const dom::Document& document) {
  StyleSheet sheet;
  for (dom::Node* node = document.firstChild(); node; node = node->nextInTreeOrder(&document)) {
    if (isStyleElement(*node))
      sheet.append(dom::utf16ToUTF8(*node->textContent()));
  }
  return sheet;
}

void StyleSheet::append(std::string_view text) {
  std::string source = css::stripComments(text);
  std::string_view rest(source);
  while (true) {
    rest = css::trim(rest);
    if (rest.empty())
      return;
    size_t open = rest.find('{');
    if (rest[0] == '@') {
      // "@import url(x);" ends at its semicolon, "@media print { ... }" with its block.
      size_t semicolon = rest.find(';');
      if (semicolon != std::string_view::npos &&
          (open == std::string_view::npos || semicolon < open)) {
        rest.remove_prefix(semicolon + 1);
      } else {
        rest.remove_prefix(open == std::string_view::npos ? rest.size() : skipBlock(rest, open));
      }
      continue;
    }
    if (open == std::string_view::npos)
      return;
    size_t close = rest.find('}', open);
    if (close == std::string_view::npos)
      close = rest.size();
    appendRule(rest.substr(0, open), rest.substr(open + 1, close - open - 1));
    rest.remove_prefix(std::min(close + 1, rest.size()));
  }
}

void StyleSheet::appendRule(std::string_view selectors, std::string_view declarations) {
  auto block = std::make_shared<const DeclarationBlock>(DeclarationBlock::parse(declarations));
  for (std::string_view text : css::splitOutsideParentheses(selectors, ',')) {
    if (std::optional<Selector> selector = Selector::parse(text))
      mRules.push_back(Rule{*selector, block});
  }
}

void StyleSheet::applyMatching(const dom::Element& element, ComputedStyle& style) const {
  std::vector<const Rule*> matching;
  for (const Rule& rule : mRules) {
    if (rule.selector.matches(element))
      matching.push_back(&rule);
  }
  std::stable_sort(matching.begin(), matching.end(), [](const Rule* a, const Rule* b) {
    return a->selector.specificity() < b->selector.specificity();
  });
  for (const Rule* rule : matching)
    rule->declarations->applyTo(style);
}

}  // namespace geckohost::layout
