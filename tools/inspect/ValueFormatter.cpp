#include "ValueFormatter.h"

#include "nsStringAPI.h"

std::string ValueFormatter::utf8(const unsigned short* text) {
  if (!text)
    return std::string();
  NS_ConvertUTF16toUTF8 converted(text);
  return std::string(converted.BeginReading(), converted.Length());
}

JsonValue ValueFormatter::toJson(IHtmlPropertyValue* value) {
  if (!value)
    return JsonValue();
  switch (value->type()) {
    case 1:
      return JsonValue::integer(value->intValue());
    case 2:
      return JsonValue::integer(value->longValue());
    case 3:
      return JsonValue::string(utf8(value->string()));
    case 6: {
      HtmlRectangle r = value->rectangle();
      JsonValue rect = JsonValue::array();
      rect.push(JsonValue::integer(r.x));
      rect.push(JsonValue::integer(r.y));
      rect.push(JsonValue::integer(r.width));
      rect.push(JsonValue::integer(r.height));
      return rect;
    }
    case 7:
      return JsonValue::boolean(value->booleanValue());
    default:
      return JsonValue();
  }
}

std::string ValueFormatter::toText(IHtmlPropertyValue* value) {
  return toJson(value).serialize();
}
