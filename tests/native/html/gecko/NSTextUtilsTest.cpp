#include "NSTextUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Replaced(const char* text, const char* find) {
  nsCString_external value(text);
  ff3ReplaceChar(value, find, ' ');
  return std::string(value.BeginReading(), value.Length());
}
}  // namespace

TEST(NSTextUtilsTest, ReplacesSingleBytesAndTheTwoByteNoBreakSpace) {
  EXPECT_EQ(Replaced("a\tb", "\t"), "a b");
  EXPECT_EQ(Replaced("\t\ta\t", "\t"), "  a ");
  EXPECT_EQ(Replaced("a\nb\rc", "\n"), "a b\rc");
  // The no-break space is two bytes in UTF-8 and becomes one space: the text gets shorter.
  EXPECT_EQ(Replaced("a\xC2\xA0"
                     "b",
                     "\xC2\xA0"),
            "a b");
  EXPECT_EQ(Replaced("\xC2\xA0\xC2\xA0", "\xC2\xA0"), "  ");
  // A degree sign shares the lead byte and is left alone, as is a lead byte at the very end.
  EXPECT_EQ(Replaced("1\xC2\xB0"
                     "C",
                     "\xC2\xA0"),
            "1\xC2\xB0"
            "C");
  EXPECT_EQ(Replaced("x\xC2", "\xC2\xA0"), "x\xC2");
  EXPECT_EQ(Replaced("", "\t"), "");
  EXPECT_EQ(Replaced("a\tb", nullptr), "a\tb");
}

TEST(NSTextUtilsTest, AsciiLiteralsWidenWhenCompiled) {
  static constexpr AsciiUtf16 kTag("IFRAME");
  static_assert(kTag.length() == 6, "the terminator is not counted");
  static_assert(kTag.chars[0] == 'I' && kTag.chars[5] == 'E' && kTag.chars[6] == 0, "widened");
  nsString_external text;
  text.Assign(kTag.chars, kTag.length());
  EXPECT_TRUE(text.EqualsLiteral("IFRAME"));
  static constexpr AsciiUtf16 kEmpty("");
  EXPECT_EQ(kEmpty.length(), 0u);
  EXPECT_EQ(kEmpty.chars[0], 0);
}
