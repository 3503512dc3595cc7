// The author style of a page: the rules of its <style> elements (those without a type, or of
// type text/css), in document order. Rules apply by specificity, and among equal specificity
// by source order, the later winning. At-rules are skipped with their blocks; a selector list
// keeps the selectors of the subset (see Selector) and drops the others.
//
//   sheet.append("p { margin: 0 } .wide, #x { width: 50% }");
#ifndef GECKOHOST_LAYOUT_STYLESHEET_H
#define GECKOHOST_LAYOUT_STYLESHEET_H

#include <memory>
#include <string_view>
#include <vector>

#include "layout/DeclarationBlock.h"
#include "layout/Selector.h"

namespace geckohost::dom {
class Document;
class Element;
}  // namespace geckohost::dom

namespace geckohost::layout {

struct ComputedStyle;

class StyleSheet {
 public:
  // The rules of every <style> element of `document`, in tree order.
  static StyleSheet fromDocument(const dom::Document& document);

  // Adds the rules of a style sheet's text after those already held.
  void append(std::string_view text);

  // Applies the declarations of every matching rule to `style`, lowest specificity first.
  void applyMatching(const dom::Element& element, ComputedStyle& style) const;

  size_t ruleCount() const { return mRules.size(); }

 private:
  struct Rule {
    Selector selector;
    std::shared_ptr<const DeclarationBlock> declarations;  // shared by a selector list
  };

  void appendRule(std::string_view selectors, std::string_view declarations);

  std::vector<Rule> mRules;  // source order
};

}  // namespace geckohost::layout

#endif
