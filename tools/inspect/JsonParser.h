// Reads JSON text into a JsonValue: null, booleans, whole numbers that fit 64 bits, strings
// (every escape, \u surrogate pairs included, written out as UTF-8), arrays and objects, nested
// at most 64 deep. A number with a fraction or an exponent is not read: no property value
// holds one.
//
//   JsonParser::parse(" [1, \"a\\u00e9\"] ")  an array of 1 and "aé"
//   JsonParser::parse("1.5")                  nothing
#ifndef TOOLS_INSPECT_JSONPARSER_H
#define TOOLS_INSPECT_JSONPARSER_H

#include <optional>
#include <string>

#include "JsonValue.h"

class JsonParser {
 public:
  // The one value `text` holds, white space around it allowed; nothing when it holds anything
  // else.
  static std::optional<JsonValue> parse(const std::string& text);

 private:
  explicit JsonParser(const std::string& text) : m_text(text) {}

  bool value(JsonValue& out, int depth);
  bool array(JsonValue& out, int depth);
  bool object(JsonValue& out, int depth);
  bool string(std::string& out);
  bool escape(std::string& out);
  bool hexQuad(unsigned& unit);
  bool number(JsonValue& out);
  bool word(const char* literal);
  bool next(char wanted);  // skips white space, then takes `wanted` if it is there
  void skipSpace();
  bool atEnd() const { return m_at >= m_text.size(); }

  const std::string& m_text;
  size_t m_at = 0;
};

#endif
