// Reading and changing one declaration of a style attribute's text, for element.style.
//
//   InlineStyle::property(u"color: red; display:none", u"display")        -> u"none"
//   InlineStyle::withProperty(u"color: red", u"display", u"block")         -> u"color: red;
//   display: block" InlineStyle::withProperty(u"display: none; color: red", u"display", u"") ->
//   u"color: red"
#ifndef GECKOHOST_SCRIPT_INLINESTYLE_H
#define GECKOHOST_SCRIPT_INLINESTYLE_H

#include <string>
#include <string_view>

namespace geckohost::script {

class InlineStyle {
 public:
  // The value of the last declaration of `name` (names compare without regard to case); "".
  static std::u16string property(std::u16string_view style, std::u16string_view name);
  // The text with every declaration of `name` dropped and, unless `value` is empty, one new
  // declaration at the end.
  static std::u16string withProperty(std::u16string_view style, std::u16string_view name,
                                     std::u16string_view value);
};

}  // namespace geckohost::script

#endif
