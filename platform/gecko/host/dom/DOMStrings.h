// Text helpers of the DOM: UTF-8 <-> UTF-16, ASCII case rules (HTML names fold only ASCII
// letters), HTML white space, and the integer parsing of reflected attributes.
#ifndef GECKOHOST_DOM_DOMSTRINGS_H
#define GECKOHOST_DOM_DOMSTRINGS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace geckohost::dom {

// Malformed UTF-8 becomes U+FFFD per bad sequence; unpaired surrogates become U+FFFD in UTF-8.
std::u16string utf8ToUTF16(std::string_view utf8);
std::string utf16ToUTF8(std::u16string_view utf16);

// Widens ASCII text as it is: u"" literals cover most needs, this covers char data.
std::u16string asciiToUTF16(std::string_view ascii);

std::u16string asciiLowerCase(std::u16string_view text);
std::u16string asciiUpperCase(std::u16string_view text);
bool equalsIgnoringASCIICase(std::u16string_view a, std::u16string_view b);

// Space, tab, line feed, form feed and carriage return.
bool isHTMLWhitespace(char16_t c);

// " a \n b " -> "a b": drops leading and trailing white space and folds runs to one space.
std::u16string stripAndCollapseWhitespace(std::u16string_view text);

// " a  b " -> {"a", "b"}: the tokens of a class attribute.
std::vector<std::u16string> splitOnHTMLWhitespace(std::u16string_view text);

// Whether `name` is an XML name (letters, digits, '_', ':', '-', '.'; not starting with a digit,
// '-' or '.'; characters beyond ASCII allowed), as setAttribute and createElement demand.
bool isValidXMLName(std::u16string_view name);

// Splits "prefix:local" at its first colon; a name without one has an empty prefix.
void splitQualifiedName(std::u16string_view qualifiedName, std::u16string& prefix,
                        std::u16string& localName);

// Reads an integer attribute as Gecko does: leading white space, an optional sign, decimal
// digits; whatever follows the digits is ignored. " 12px" -> 12, "-3" -> -3; "px", "" and
// values that do not fit 32 bits -> nothing.
std::optional<int32_t> parseHTMLInteger(std::u16string_view text);

}  // namespace geckohost::dom

#endif
