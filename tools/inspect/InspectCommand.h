// One command of nshtml-inspect, from the command line or a line of the shell: its name, its
// arguments and its flags.
#ifndef TOOLS_INSPECT_INSPECTCOMMAND_H
#define TOOLS_INSPECT_INSPECTCOMMAND_H

#include <string>
#include <vector>

struct InspectCommand {
  std::string name = "windows";
  std::vector<std::string> arguments;  // for do: the action's verb, then its arguments

  // tree
  int treeDepth = -1;  // unlimited
  std::vector<std::string> treeProperties;
  // screenshot
  bool boxes = false;
  // tree and screenshot: the top-level object of that index in `windows` (-1: the first
  // browser)
  int window = -1;
  // cookies delete
  bool partial = false;
  // at: its arguments as numbers
  int x = 0;
  int y = 0;
  // wait: its argument as a number
  int waitMs = 0;
};

#endif
