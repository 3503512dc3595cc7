// The words of a command, as the command line and the shell hand them over.
#include "CommandParser.h"

#include <gtest/gtest.h>

namespace {

std::string Failure(const std::vector<std::string>& words) {
  std::string error;
  EXPECT_FALSE(CommandParser::parse(words, error));
  return error;
}

TEST(CommandParserTest, ReadsArgumentsFlagsAndNumbers) {
  std::string error;
  std::optional<InspectCommand> tree =
      CommandParser::parse({"tree", "--props", ".a,,.b", "--depth", "2"}, error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(tree->treeDepth, 2);
  EXPECT_EQ(tree->treeProperties, (std::vector<std::string>{".a", ".b"}));
  std::optional<InspectCommand> at = CommandParser::parse({"at", "-5", "300"}, error);
  ASSERT_TRUE(at);
  EXPECT_EQ(at->x, -5);
  EXPECT_EQ(at->y, 300);
  // After "--" a word that looks like a flag is an argument.
  std::optional<InspectCommand> set =
      CommandParser::parse({"set", "#x", "--", ".value", "--boxes"}, error);
  ASSERT_TRUE(set) << error;
  EXPECT_EQ(set->arguments, (std::vector<std::string>{"#x", ".value", "--boxes"}));
  EXPECT_FALSE(set->boxes);
  std::optional<InspectCommand> type = CommandParser::parse({"do", "type", "#x", "a b"}, error);
  ASSERT_TRUE(type);
  EXPECT_EQ(type->arguments, (std::vector<std::string>{"type", "#x", "a b"}));
  EXPECT_EQ(CommandParser::parse({}, error)->name, "windows");
}

TEST(CommandParserTest, SaysWhatIsWrong) {
  EXPECT_EQ(Failure({"frob"}), "unknown command 'frob'");
  EXPECT_EQ(Failure({"--depth", "1", "tree"}), "unknown option '--depth'");
  EXPECT_EQ(Failure({"get", ".", ".x", "--json"}), "unknown option '--json'");
  EXPECT_EQ(Failure({"set", "#x", ".value"}), "set takes 3 argument(s), got 2");
  EXPECT_EQ(Failure({"tree", "--depth"}), "--depth needs a value");
  EXPECT_EQ(Failure({"tree", "--depth", "-1"}), "--depth wants a number from 0, not '-1'");
  EXPECT_EQ(Failure({"focus", "--boxes"}), "--boxes belongs to the screenshot command");
  EXPECT_EQ(Failure({"at", "1", "2x"}), "at wants two whole numbers, not '1 2x'");
  EXPECT_EQ(
      Failure({"do"}),
      "do needs an action: focus, type, select, scroll, cookie, open, dialog, answer or findbar");
  EXPECT_EQ(Failure({"do", "click", "#x"}), "unknown action 'click'");
  EXPECT_EQ(Failure({"do", "type", "#x"}), "do type takes 2 argument(s), got 1");
  for (const char* name : {"", ".", "a b", "#x", "0/1", ".9", "x=y"}) {
    EXPECT_EQ(Failure({"set", "#x", name, "1"}),
              std::string("set: '") + name + "' is not a property name (such as .value or title)");
  }
  std::string error;
  for (const char* name : {".value", "title", "data-x", "xml:lang", "_x"}) {
    EXPECT_TRUE(CommandParser::parse({"set", "#x", name, "1"}, error)) << name;
  }
}

}  // namespace
