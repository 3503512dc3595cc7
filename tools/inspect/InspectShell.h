// nshtml-inspect's shell: reads commands from a stream, one a line, split into words as a
// POSIX shell splits them (WordSplitter), and runs each through the same parser and
// dispatcher as the command line, against the same live browser. A command that fails is
// reported as the dispatcher reports failures, and the next line runs all the same. Blank
// lines and comments are skipped.
//
//   get '#name' .value
//   set '#name' .value "Ada Lovelace"    # the value read back afterwards
//   do type '#notes' ", no olives"
#ifndef TOOLS_INSPECT_INSPECTSHELL_H
#define TOOLS_INSPECT_INSPECTSHELL_H

#include <istream>
#include <string>

class InspectCommands;

class InspectShell {
 public:
  explicit InspectShell(InspectCommands& commands) : m_commands(commands) {}

  // Runs every line of `input` to its end; answers the highest exit status of its commands
  // (0 when there were none).
  int run(std::istream& input);

 private:
  int runLine(const std::string& line);

  InspectCommands& m_commands;
};

#endif
