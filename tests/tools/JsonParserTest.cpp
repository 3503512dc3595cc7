// JSON text read back into values: what the tool prints, it can read.
#include "JsonParser.h"

#include <gtest/gtest.h>

namespace {

// `text` read and written again on one line; "<none>" when it does not read.
std::string RoundTrip(const std::string& text) {
  std::optional<JsonValue> value = JsonParser::parse(text);
  return value ? value->serializeLine() : "<none>";
}

TEST(JsonParserTest, ReadsNestedValuesAndKeepsMemberOrder) {
  EXPECT_EQ(RoundTrip(" {\"b\": [1, {\"c\": null}], \"a\": \"x\"} "),
            "{\"b\": [1, {\"c\": null}], \"a\": \"x\"}");
  EXPECT_EQ(RoundTrip("[]"), "[]");
  EXPECT_EQ(RoundTrip("{ }"), "{}");
  EXPECT_EQ(RoundTrip("[true,false,-12]"), "[true, false, -12]");
  // What serialize() writes over several lines reads back the same.
  JsonValue nested = JsonValue::object();
  nested.set("list", JsonValue::array()).push(JsonValue::string("tab\there"));
  std::optional<JsonValue> back = JsonParser::parse(nested.serialize());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->serializeLine(), nested.serializeLine());
  EXPECT_EQ(back->member("list")->items()[0].text(), "tab\there");
}

TEST(JsonParserTest, RefusesWhatIsNotOneWholeValue) {
  for (const char* text : {"", "[1,]", "{\"a\" 1}", "{a: 1}", "[1] [2]", "tru", "1.0", "-",
                           "\"raw\ttab\"", "\"\\x\"", "\"\\u12\"", "\"\\ud800\"", "01"}) {
    EXPECT_EQ(RoundTrip(text), "<none>") << text;
  }
  // At most 64 deep.
  EXPECT_NE(RoundTrip(std::string(64, '[') + std::string(64, ']')), "<none>");
  EXPECT_EQ(RoundTrip(std::string(65, '[') + std::string(65, ']')), "<none>");
}

}  // namespace
