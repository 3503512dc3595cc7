#include "JsonValue.h"

#include <cstdio>

JsonValue JsonValue::boolean(bool value) {
  JsonValue v;
  v.m_kind = Kind::Boolean;
  v.m_boolean = value;
  return v;
}

JsonValue JsonValue::integer(long long value) {
  JsonValue v;
  v.m_kind = Kind::Integer;
  v.m_integer = value;
  return v;
}

JsonValue JsonValue::string(std::string utf8) {
  JsonValue v;
  v.m_kind = Kind::String;
  v.m_string = std::move(utf8);
  return v;
}

JsonValue JsonValue::array() {
  JsonValue v;
  v.m_kind = Kind::Array;
  return v;
}

JsonValue JsonValue::object() {
  JsonValue v;
  v.m_kind = Kind::Object;
  return v;
}

JsonValue& JsonValue::push(JsonValue value) {
  m_items.push_back(std::move(value));
  return m_items.back();
}

JsonValue& JsonValue::set(const std::string& key, JsonValue value) {
  for (auto& member : m_members) {
    if (member.first == key) {
      member.second = std::move(value);
      return member.second;
    }
  }
  m_members.emplace_back(key, std::move(value));
  return m_members.back().second;
}

const JsonValue* JsonValue::member(const std::string& key) const {
  for (const auto& member : m_members) {
    if (member.first == key)
      return &member.second;
  }
  return nullptr;
}

namespace {

// `c` onto `out`, a control character as \n, \r, \t or \u00XX.
void appendEscapingControl(std::string& out, unsigned char c) {
  switch (c) {
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (c < 0x20) {
        char escaped[8];
        snprintf(escaped, sizeof escaped, "\\u%04x", c);
        out += escaped;
      } else {
        out += static_cast<char>(c);
      }
  }
}

}  // namespace

std::string jsonQuote(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\')
      out += '\\';
    appendEscapingControl(out, c);
  }
  return out + "\"";
}

std::string escapeControls(const std::string& utf8) {
  std::string out;
  for (unsigned char c : utf8)
    appendEscapingControl(out, c);
  return out;
}

bool JsonValue::isScalar() const {
  return m_kind != Kind::Array && m_kind != Kind::Object;
}

void JsonValue::write(std::string& out, int indent) const {
  const bool oneLine = indent < 0;
  const int inner = oneLine ? indent : indent + 1;
  const std::string pad(oneLine ? 0 : static_cast<size_t>(indent) * 2, ' ');
  const std::string innerPad(oneLine ? 0 : static_cast<size_t>(inner) * 2, ' ');
  switch (m_kind) {
    case Kind::Null:
      out += "null";
      return;
    case Kind::Boolean:
      out += m_boolean ? "true" : "false";
      return;
    case Kind::Integer:
      out += std::to_string(m_integer);
      return;
    case Kind::String:
      out += jsonQuote(m_string);
      return;
    case Kind::Array: {
      bool flat = oneLine || m_items.size() <= 8;
      for (const JsonValue& item : m_items)
        flat = flat && (oneLine || item.isScalar());
      if (m_items.empty()) {
        out += "[]";
        return;
      }
      out += flat ? "[" : "[\n";
      for (size_t i = 0; i < m_items.size(); ++i) {
        if (!flat)
          out += innerPad;
        m_items[i].write(out, inner);
        if (i + 1 < m_items.size())
          out += flat ? ", " : ",\n";
      }
      out += flat ? "]" : "\n" + pad + "]";
      return;
    }
    case Kind::Object:
      if (m_members.empty()) {
        out += "{}";
        return;
      }
      out += oneLine ? "{" : "{\n";
      for (size_t i = 0; i < m_members.size(); ++i) {
        out += innerPad + jsonQuote(m_members[i].first) + ": ";
        m_members[i].second.write(out, inner);
        if (i + 1 < m_members.size())
          out += oneLine ? ", " : ",\n";
      }
      out += oneLine ? "}" : "\n" + pad + "}";
      return;
  }
}

std::string JsonValue::serialize() const {
  std::string out;
  write(out, 0);
  return out;
}

std::string JsonValue::serializeLine() const {
  std::string out;
  write(out, -1);
  return out;
}
