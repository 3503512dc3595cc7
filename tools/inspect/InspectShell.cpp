#include "InspectShell.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "CommandParser.h"
#include "InspectCommands.h"
#include "ToolOutput.h"
#include "WordSplitter.h"

int InspectShell::run(std::istream& input) {
  int status = 0;
  std::string line;
  while (std::getline(input, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();  // a file written with CRLF line ends
    status = std::max(status, runLine(line));
    // Whoever reads the other end sees each answer as soon as it is there.
    fflush(ToolOutput::stream());
  }
  return status;
}

int InspectShell::runLine(const std::string& line) {
  std::string error;
  std::optional<std::vector<std::string>> words = WordSplitter::split(line, error);
  if (!words)
    return m_commands.fail(error);
  if (words->empty())
    return 0;
  std::optional<InspectCommand> command = CommandParser::parse(*words, error);
  if (!command)
    return m_commands.fail(error);
  return m_commands.run(*command);
}
