// The VALUE of nshtml-inspect's `set` command: any text becomes a property value (JSON of a
// kind a property holds, else the text itself as a string). Whatever it becomes, the tool's
// JSON for it reads back as the same value: type and content survive a round trip.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "ValueFormatter.h"
#include "ValueParser.h"

namespace {

bool isKnownType(int type) {
  return type == 1 || type == 2 || type == 3 || type == 6 || type == 7;
}

void checkSameValue(IHtmlPropertyValue* a, IHtmlPropertyValue* b) {
  FUZZ_CHECK(a->type() == b->type());
  switch (a->type()) {
    case 1:
      FUZZ_CHECK(a->intValue() == b->intValue());
      break;
    case 2:
      FUZZ_CHECK(a->longValue() == b->longValue());
      break;
    case 3:
      FUZZ_CHECK(ValueFormatter::utf8(a->string()) == ValueFormatter::utf8(b->string()));
      break;
    case 6: {
      const HtmlRectangle r = a->rectangle(), s = b->rectangle();
      FUZZ_CHECK(r.x == s.x && r.y == s.y && r.width == s.width && r.height == s.height);
      break;
    }
    case 7:
      FUZZ_CHECK(a->booleanValue() == b->booleanValue());
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CHtmlObjectPtr<IHtmlPropertyValue> value = ValueParser::parse(text);
  FUZZ_CHECK(value);
  FUZZ_CHECK(isKnownType(value->type()));
  if (value->type() == 3 && value->string())
    FUZZ_CHECK(value->stringLength() >= 0);

  const std::string json = ValueFormatter::toJson(value).serialize();
  CHtmlObjectPtr<IHtmlPropertyValue> again = ValueParser::parse(json);
  FUZZ_CHECK(again);
  checkSameValue(value, again);
  FUZZ_CHECK(ValueFormatter::toText(value) == ValueFormatter::toText(again));
  return 0;
}
