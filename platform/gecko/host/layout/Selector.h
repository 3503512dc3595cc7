// One compound selector of the subset this layout reads: an optional type (or *) followed by
// any number of #id and .class parts, such as "div", "#main", ".note", "p.note#first".
// Selectors with combinators, attributes or pseudo-classes ("div p", "a:hover") are not read.
//
// Specificity counts as CSS does, folded into one number: 100 per id, 10 per class, 1 for a
// type. "p.note#first" -> 111.
#ifndef GECKOHOST_LAYOUT_SELECTOR_H
#define GECKOHOST_LAYOUT_SELECTOR_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

class Selector {
 public:
  // Nothing for a selector outside the subset.
  static std::optional<Selector> parse(std::string_view text);

  bool matches(const dom::Element& element) const;
  int specificity() const;

 private:
  std::u16string mType;  // lower case; empty for any element
  std::vector<std::u16string> mIds;
  std::vector<std::u16string> mClasses;
};

}  // namespace geckohost::layout

#endif
