// The shell's words, checked against what a POSIX shell makes of the same lines.
#include "WordSplitter.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

Words Split(const std::string& line) {
  std::string error;
  std::optional<Words> words = WordSplitter::split(line, error);
  EXPECT_TRUE(words) << line << ": " << error;
  return words.value_or(Words{"<failed>"});
}

std::string Failure(const std::string& line) {
  std::string error;
  std::optional<Words> words = WordSplitter::split(line, error);
  EXPECT_FALSE(words) << line;
  return error;
}

TEST(WordSplitterTest, BlanksSeparateAndQuotesJoin) {
  EXPECT_EQ(Split("get  '#name'\t.value"), (Words{"get", "#name", ".value"}));
  EXPECT_EQ(Split("   "), Words{});
  EXPECT_EQ(Split(""), Words{});
  EXPECT_EQ(Split("a'b c'\"d\"e"), Words{"ab cde"});
  // Empty quotes make an empty word; an empty quote inside a word adds nothing.
  EXPECT_EQ(Split("set x '' \"\""), (Words{"set", "x", "", ""}));
  EXPECT_EQ(Split("a''b"), Words{"ab"});
}

TEST(WordSplitterTest, EachQuoteAndTheBackslashKeepWhatTheShellKeeps) {
  // Single quotes keep backslashes and double quotes.
  EXPECT_EQ(Split(R"('a\"b\\')"), Words{R"(a\"b\\)"});
  // In double quotes a backslash escapes only $ ` " and itself.
  EXPECT_EQ(Split(R"("a\"b\\c\$d\`e\nf'g")"), Words{R"(a"b\c$d`e\nf'g)"});
  // Outside quotes it escapes anything: blanks, quotes, #, itself.
  EXPECT_EQ(Split(R"(a\ b \'c \"d \#e f\\g \n)"), (Words{"a b", "'c", "\"d", "#e", R"(f\g)", "n"}));
  EXPECT_EQ(Split("\"  spaced  \""), Words{"  spaced  "});
  // UTF-8 passes through untouched.
  EXPECT_EQ(Split("type 'caf\xc3\xa9'"), (Words{"type", "caf\xc3\xa9"}));
}

TEST(WordSplitterTest, CommentsBeginOnlyAtTheStartOfAWord) {
  EXPECT_EQ(Split("get . .tag # the browser's"), (Words{"get", ".", ".tag"}));
  EXPECT_EQ(Split("# all of it"), Words{});
  EXPECT_EQ(Split("get #id"), Words{"get"});
  EXPECT_EQ(Split("get '#id' a#b"), (Words{"get", "#id", "a#b"}));
  EXPECT_EQ(Split("\"#\"x"), Words{"#x"});
}

TEST(WordSplitterTest, OpenQuotesAndATrailingBackslashAreErrors) {
  EXPECT_EQ(Failure("get '#x"), "a single quote is not closed");
  EXPECT_EQ(Failure("set '#x' .value \"abc"), "a double quote is not closed");
  EXPECT_EQ(Failure("set '#x' .value \"abc\\\""), "a double quote is not closed");
  EXPECT_EQ(Failure("get . .tag \\"), "the line ends in a backslash");
  // A quote character inside the other kind of quotes opens nothing.
  EXPECT_EQ(Split("\"it's\" 'say \"hi'"), (Words{"it's", "say \"hi"}));
}

}  // namespace
