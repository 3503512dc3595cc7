// The VALUE of `set` as a property value. Text that reads as JSON of a kind a property value
// holds becomes that kind; any other text is a string of itself.
//
//   true, false         boolean (type 7)
//   42, -7              integer (type 1); 64-bit integer (type 2) beyond the int range
//   "a \"b\""           string (type 3), JSON escapes read: a "b"
//   [1, 2, 30, 40]      rectangle (type 6): x, y, width, height, each in the int range
//   abc, 1.5, null, {}  string (type 3) of the text as given
#ifndef TOOLS_INSPECT_VALUEPARSER_H
#define TOOLS_INSPECT_VALUEPARSER_H

#include <string>

#include "HtmlObject.h"
#include "JsonValue.h"

class ValueParser {
 public:
  // A new value with one reference, the caller's.
  static IHtmlPropertyValue* parse(const std::string& text);

 private:
  static IHtmlPropertyValue* fromJson(const JsonValue& json);
  static bool isRectangle(const JsonValue& json);
};

#endif
