#include "JsonValue.h"

#include <cstdio>
#include <vector>

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

JsonValue::~JsonValue() {
  if (m_items.empty() && m_members.empty())
    return;
  std::vector<JsonValue> doomed;
  auto takeChildren = [&doomed](JsonValue& value) {
    for (JsonValue& item : value.m_items)
      doomed.push_back(std::move(item));
    for (auto& member : value.m_members)
      doomed.push_back(std::move(member.second));
    value.m_items.clear();
    value.m_members.clear();
  };
  takeChildren(*this);
  while (!doomed.empty()) {
    JsonValue last = std::move(doomed.back());
    doomed.pop_back();
    takeChildren(last);
  }
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

bool JsonValue::writesFlat(int indent) const {
  if (indent < 0)
    return true;
  if (m_kind == Kind::Object || m_items.size() > 8)
    return false;
  for (const JsonValue& item : m_items) {
    if (!item.isScalar())
      return false;
  }
  return true;
}

void JsonValue::writeScalar(std::string& out) const {
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
    case Kind::Array:
    case Kind::Object:
      return;
  }
}

// Arrays and objects open on a stack of their own rather than the call stack: the tool writes
// object trees as deep as the pages they show.
void JsonValue::write(std::string& out, int indent) const {
  struct Open {
    const JsonValue* value;
    size_t next;  // the item or member to write next
    int indent;   // < 0: all on one line
    bool flat;
  };
  auto pad = [&out](int level) {
    if (level > 0)
      out.append(static_cast<size_t>(level) * 2, ' ');
  };
  std::vector<Open> open;
  const JsonValue* value = this;
  int level = indent;
  while (true) {
    // Write `value` at `level`: a scalar or an empty container whole, otherwise its opening.
    if (value->isScalar()) {
      value->writeScalar(out);
    } else if (value->m_items.empty() && value->m_members.empty()) {
      out += value->m_kind == Kind::Array ? "[]" : "{}";
    } else {
      bool flat = value->writesFlat(level);
      out += value->m_kind == Kind::Array ? (flat ? "[" : "[\n") : (level < 0 ? "{" : "{\n");
      open.push_back({value, 0, level, flat});
    }
    // Then close what is complete, and find the next value to write.
    value = nullptr;
    while (!open.empty() && !value) {
      Open& top = open.back();
      const JsonValue& container = *top.value;
      const bool oneLine = top.indent < 0;
      const int inner = oneLine ? top.indent : top.indent + 1;
      const bool isArray = container.m_kind == Kind::Array;
      const size_t count = isArray ? container.m_items.size() : container.m_members.size();
      if (top.next > 0 && top.next < count)
        out += isArray && top.flat ? ", " : (oneLine ? ", " : ",\n");
      if (top.next == count) {
        if (isArray) {
          if (top.flat) {
            out += "]";
          } else {
            out += "\n";
            pad(top.indent);
            out += "]";
          }
        } else if (oneLine) {
          out += "}";
        } else {
          out += "\n";
          pad(top.indent);
          out += "}";
        }
        open.pop_back();
        continue;
      }
      if (isArray) {
        if (!top.flat)
          pad(inner);
        value = &container.m_items[top.next];
      } else {
        pad(oneLine ? 0 : inner);
        out += jsonQuote(container.m_members[top.next].first) + ": ";
        value = &container.m_members[top.next].second;
      }
      level = inner;
      ++top.next;
    }
    if (!value)
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
