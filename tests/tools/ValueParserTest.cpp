// set's VALUE: JSON of a kind a property value holds, else the text itself; and the values the
// tool makes behave as the library's own.
#include "ValueParser.h"

#include <gtest/gtest.h>

#include <climits>

#include "InspectPropertyValue.h"
#include "ValueFormatter.h"

namespace {

// The value `text` is read as, shown as get shows values, with its type code in front.
std::string Read(const std::string& text) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = ValueParser::parse(text);
  EXPECT_EQ(value->getReferenceCount(), 1) << text;
  return std::to_string(value->type()) + " " + ValueFormatter::toText(value);
}

TEST(ValueParserTest, JsonScalarsBecomeTheirKinds) {
  EXPECT_EQ(Read("true"), "7 true");
  EXPECT_EQ(Read(" false\n"), "7 false");
  EXPECT_EQ(Read("42"), "1 42");
  EXPECT_EQ(Read("-0"), "1 0");
  EXPECT_EQ(Read("2147483647"), "1 2147483647");
  EXPECT_EQ(Read("-2147483648"), "1 -2147483648");
  EXPECT_EQ(Read("2147483648"), "2 2147483648");
  EXPECT_EQ(Read("-9223372036854775808"), "2 -9223372036854775808");
  EXPECT_EQ(Read("\"hello\""), "3 \"hello\"");
  EXPECT_EQ(Read("\"42\""), "3 \"42\"");
  EXPECT_EQ(Read("\"\""), "3 \"\"");
  EXPECT_EQ(Read("\"a\\\"b\\\\c\\n\\u00e9\\ud83d\\ude00\""),
            "3 \"a\\\"b\\\\c\\n\xc3\xa9\xf0\x9f\x98\x80\"");
  EXPECT_EQ(Read("[1, -2, 30, 40]"), "6 [1, -2, 30, 40]");
}

TEST(ValueParserTest, AnythingElseIsTheTextItself) {
  EXPECT_EQ(Read("abc"), "3 \"abc\"");
  EXPECT_EQ(Read(""), "3 \"\"");
  EXPECT_EQ(Read("True"), "3 \"True\"");
  EXPECT_EQ(Read("1.5"), "3 \"1.5\"");
  EXPECT_EQ(Read("1e3"), "3 \"1e3\"");
  EXPECT_EQ(Read("007"), "3 \"007\"");
  EXPECT_EQ(Read("+5"), "3 \"+5\"");
  EXPECT_EQ(Read("9223372036854775808"), "3 \"9223372036854775808\"");
  EXPECT_EQ(Read("null"), "3 \"null\"");
  EXPECT_EQ(Read("{\"a\": 1}"), "3 \"{\\\"a\\\": 1}\"");
  EXPECT_EQ(Read("\"open"), "3 \"\\\"open\"");
  EXPECT_EQ(Read("\"bad \\q escape\""), "3 \"\\\"bad \\\\q escape\\\"\"");
  EXPECT_EQ(Read("\"\\udc00\""), "3 \"\\\"\\\\udc00\\\"\"");
  EXPECT_EQ(Read("true false"), "3 \"true false\"");
  // Not four whole numbers in the int range: no rectangle.
  EXPECT_EQ(Read("[1, 2, 3]"), "3 \"[1, 2, 3]\"");
  EXPECT_EQ(Read("[1, 2, 3, 2147483648]"), "3 \"[1, 2, 3, 2147483648]\"");
  EXPECT_EQ(Read("[1, 2, 3, \"4\"]"), "3 \"[1, 2, 3, \\\"4\\\"]\"");
}

TEST(ValueParserTest, ValuesAnswerAsTheLibrarysDo) {
  CHtmlObjectPtr<IHtmlPropertyValue> text = ValueParser::parse("caf\xc3\xa9");
  ASSERT_NE(text->string(), nullptr);
  EXPECT_EQ(text->stringLength(), 4);
  EXPECT_EQ(text->string()[3], 0xE9);
  EXPECT_EQ(text->string()[4], 0);
  EXPECT_EQ(text->intValue(), 0);
  EXPECT_FALSE(text->booleanValue());
  EXPECT_EQ(text->element(), nullptr);
  EXPECT_EQ(text->object(), nullptr);

  // The getters read the same bytes whatever the kind; only a string has a string.
  CHtmlObjectPtr<IHtmlPropertyValue> wide = ValueParser::parse("4294967298");  // 2^32 + 2
  EXPECT_EQ(wide->type(), 2);
  EXPECT_EQ(wide->longValue(), 4294967298LL);
  EXPECT_EQ(wide->intValue(), 2);
  EXPECT_EQ(wide->shortValue(), 2);
  EXPECT_EQ(wide->string(), nullptr);
  EXPECT_EQ(wide->stringLength(), 0);
  CHtmlObjectPtr<IHtmlPropertyValue> yes = ValueParser::parse("true");
  EXPECT_TRUE(yes->booleanValue());
  EXPECT_EQ(yes->intValue(), 1);
  CHtmlObjectPtr<IHtmlPropertyValue> box = ValueParser::parse("[5, 6, 7, 8]");
  HtmlRectangle r = box->rectangle();
  EXPECT_EQ(r.x, 5);
  EXPECT_EQ(r.y, 6);
  EXPECT_EQ(r.width, 7);
  EXPECT_EQ(r.height, 8);
  EXPECT_EQ(box->intValue(), 5);
}

TEST(ValueParserTest, ReferencesAreCountedFromOne) {
  IHtmlPropertyValue* value = new InspectPropertyValue(INT_MIN);
  EXPECT_EQ(value->getReferenceCount(), 1);
  value->addRef();
  EXPECT_EQ(value->getReferenceCount(), 2);
  {
    CHtmlObjectPtr<IHtmlPropertyValue> held = value;  // adopts the second reference
    CHtmlObjectPtr<IHtmlPropertyValue> copy = held;
    EXPECT_EQ(value->getReferenceCount(), 3);
  }
  EXPECT_EQ(value->getReferenceCount(), 1);
  EXPECT_EQ(value->intValue(), INT_MIN);
  value->release();  // the last: gone (a sanitizer build reports it otherwise)
}

}  // namespace
