// How the tool shows a property value: integers and 64-bit integers as numbers, strings as
// strings, rectangles as [x, y, w, h], booleans as true or false, a missing value as null.
#ifndef TOOLS_INSPECT_VALUEFORMATTER_H
#define TOOLS_INSPECT_VALUEFORMATTER_H

#include <string>

#include "HtmlObject.h"
#include "JsonValue.h"

class ValueFormatter {
 public:
  // The value as JSON; null for a missing value (or a kind the library never makes).
  static JsonValue toJson(IHtmlPropertyValue* value);
  // The value as one line of text: 42, "text", [1, 2, 3, 4], true, null.
  static std::string toText(IHtmlPropertyValue* value);
  // UTF-16 (zero-terminated) to UTF-8; null gives the empty string.
  static std::string utf8(const unsigned short* text);
};

#endif
