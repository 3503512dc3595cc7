// Text helpers of the CSS parser: CSS treats only ASCII specially, so the parser works on
// UTF-8 and these helpers fold and trim ASCII alone.
#ifndef GECKOHOST_LAYOUT_CSSTEXT_H
#define GECKOHOST_LAYOUT_CSSTEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace geckohost::layout::css {

bool isSpace(char c);
std::string_view trim(std::string_view text);
std::string lowerCase(std::string_view text);

// Splits at `separator` where it is not inside parentheses: "a(1;2);b" on ';' -> "a(1;2)", "b".
std::vector<std::string_view> splitOutsideParentheses(std::string_view text, char separator);

// Splits at runs of white space outside parentheses: "1px solid rgb(1, 2, 3)" -> three parts.
std::vector<std::string_view> splitValues(std::string_view text);

// The text without /* comments */ (an unterminated comment runs to the end).
std::string stripComments(std::string_view text);

}  // namespace geckohost::layout::css

#endif
