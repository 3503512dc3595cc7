#include "ValueParser.h"

#include <climits>
#include <optional>

#include "InspectPropertyValue.h"
#include "JsonParser.h"

namespace {

bool fitsInt(long long value) {
  return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace

IHtmlPropertyValue* ValueParser::parse(const std::string& text) {
  std::optional<JsonValue> json = JsonParser::parse(text);
  IHtmlPropertyValue* value = json ? fromJson(*json) : nullptr;
  return value ? value : new InspectPropertyValue(text);
}

// Null for a JSON value no property value holds.
IHtmlPropertyValue* ValueParser::fromJson(const JsonValue& json) {
  switch (json.kind()) {
    case JsonValue::Kind::Boolean:
      return new InspectPropertyValue(json.booleanValue());
    case JsonValue::Kind::Integer:
      if (fitsInt(json.integerValue()))
        return new InspectPropertyValue(static_cast<int>(json.integerValue()));
      return new InspectPropertyValue(json.integerValue());
    case JsonValue::Kind::String:
      return new InspectPropertyValue(json.text());
    case JsonValue::Kind::Array:
      if (!isRectangle(json))
        return nullptr;
      return new InspectPropertyValue(
          HtmlRectangle{static_cast<int>(json.items()[0].integerValue()),
                        static_cast<int>(json.items()[1].integerValue()),
                        static_cast<int>(json.items()[2].integerValue()),
                        static_cast<int>(json.items()[3].integerValue())});
    default:
      return nullptr;
  }
}

bool ValueParser::isRectangle(const JsonValue& json) {
  if (json.items().size() != 4)
    return false;
  for (const JsonValue& item : json.items()) {
    if (item.kind() != JsonValue::Kind::Integer || !fitsInt(item.integerValue()))
      return false;
  }
  return true;
}
