// A small JSON document model for the tool's --json output: null, booleans, integers,
// strings, arrays and objects whose keys keep the order they were added in.
#ifndef TOOLS_INSPECT_JSONVALUE_H
#define TOOLS_INSPECT_JSONVALUE_H

#include <string>
#include <utility>
#include <vector>

class JsonValue {
 public:
  enum class Kind { Null, Boolean, Integer, String, Array, Object };

  JsonValue() = default;
  JsonValue(const JsonValue&) = default;
  JsonValue(JsonValue&&) noexcept = default;
  JsonValue& operator=(const JsonValue&) = default;
  JsonValue& operator=(JsonValue&&) noexcept = default;
  // Takes nested values apart on a stack of its own, so that a value nested as deep as a page
  // is freed without one destructor call per level.
  ~JsonValue();
  static JsonValue boolean(bool value);
  static JsonValue integer(long long value);
  static JsonValue string(std::string utf8);
  static JsonValue array();
  static JsonValue object();

  Kind kind() const { return m_kind; }
  bool isNull() const { return m_kind == Kind::Null; }

  // Arrays: append. Objects: add or replace a member.
  JsonValue& push(JsonValue value);
  JsonValue& set(const std::string& key, JsonValue value);
  const JsonValue* member(const std::string& key) const;
  const std::string& text() const { return m_string; }  // of a string
  bool booleanValue() const { return m_boolean; }
  long long integerValue() const { return m_integer; }
  const std::vector<JsonValue>& items() const { return m_items; }
  const std::vector<std::pair<std::string, JsonValue>>& members() const { return m_members; }

  // Two-space indented text; `{"a": [1, 2]}` style for short arrays of scalars.
  std::string serialize() const;
  // All on one line, `{"a": [1, 2], "b": {"c": true}}`: one value per line for scripts.
  std::string serializeLine() const;

 private:
  // `indent` < 0 writes everything on one line.
  void write(std::string& out, int indent) const;
  void writeScalar(std::string& out) const;
  // Whether an array goes on one line at `indent`: up to eight scalars, or everything when
  // the whole value does.
  bool writesFlat(int indent) const;
  bool isScalar() const;

  Kind m_kind = Kind::Null;
  bool m_boolean = false;
  long long m_integer = 0;
  std::string m_string;
  std::vector<JsonValue> m_items;
  std::vector<std::pair<std::string, JsonValue>> m_members;
};

// `text` as a JSON string literal, quotes included; control characters escaped.
std::string jsonQuote(const std::string& utf8);

// `text` with its control characters escaped as in jsonQuote, unquoted: one line of text,
// whatever the text holds.
std::string escapeControls(const std::string& utf8);

#endif
