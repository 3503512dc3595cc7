// The words of nshtml-inspect's commands and actions, and the one table of them: the command
// line and the shell both turn words into an InspectCommand here, and --do reads its actions
// with the same table as the do command.
//
//   {"tree", "--depth", "2"}           tree, depth 2
//   {"set", "#name", ".value", "Bo"}   set with its three arguments
//   {"do", "type", "#name", "x"}       do, arguments {"type", "#name", "x"}
#ifndef TOOLS_INSPECT_COMMANDPARSER_H
#define TOOLS_INSPECT_COMMANDPARSER_H

#include <optional>
#include <string>
#include <vector>

#include "InspectCommand.h"

class CommandParser {
 public:
  // The command the words name (its name first); nothing, with a one-line `error`, for an
  // unknown command or flag, a wrong number of arguments or an argument of the wrong form.
  static std::optional<InspectCommand> parse(const std::vector<std::string>& words,
                                             std::string& error);

  // A whole number from -1000000 to 1000000.
  static bool parseInt(const std::string& text, int& value);

  // How many arguments the action `verb` takes; nothing for an unknown verb.
  static std::optional<size_t> actionArity(const std::string& verb);

  // The commands' lines of the usage text, from the table.
  static std::string usage();
  // The usage of one command, from the same table; false with `error` for an unknown one.
  static bool commandUsage(const std::string& name, std::string& text, std::string& error);

 private:
  static bool takeFlag(const std::vector<std::string>& words, size_t& i, InspectCommand& command,
                       std::string& error);
  // Checks the arguments' number and form; reads those that are numbers into `command`.
  static bool checkArguments(InspectCommand& command, std::string& error);
  static bool checkAction(const std::vector<std::string>& action, std::string& error);
};

#endif
