// The declarations of a style attribute or of one style sheet rule, parsed once and applied to
// as many styles as the rule matches.
//
//   DeclarationBlock::parse("margin: 4px 8px; border: 1px solid red").applyTo(style);
//   -> margin top/bottom 4, left/right 8; a 1px solid red border on every side
//
// Understood: display, position, left, top, width, height, margin(-side), padding(-side),
// border, border-side, border-width/-style/-color and their per-side longhands, overflow,
// background-color, background (its colour), color, z-index, white-space, visibility,
// border-spacing. Lengths are px (also unitless 0), em (16px), pt (4/3 px) and, where CSS
// allows them, percentages and auto. Declarations this layout does not understand, or whose
// value it cannot read, are skipped; "!important" is accepted and ignored.
#ifndef GECKOHOST_LAYOUT_DECLARATIONBLOCK_H
#define GECKOHOST_LAYOUT_DECLARATIONBLOCK_H

#include <string>
#include <string_view>
#include <vector>

namespace geckohost::layout {

struct ComputedStyle;

class DeclarationBlock {
 public:
  static DeclarationBlock parse(std::string_view text);

  // Applies the declarations in source order: a later one wins over an earlier one.
  void applyTo(ComputedStyle& style) const;

  bool empty() const { return mDeclarations.empty(); }
  size_t size() const { return mDeclarations.size(); }

 private:
  struct Declaration {
    std::string property;  // lower case
    std::string value;     // trimmed, without !important
  };

  std::vector<Declaration> mDeclarations;
};

}  // namespace geckohost::layout

#endif
