// The command line of nshtml-inspect:
//
//   nshtml-inspect [--page FILE|URL]... [--size WxH] [--zoom PERCENT] [--option KEY=VALUE]...
//                  [--a11y] [--json] [--do ACTION]... COMMAND [ARGS...]
//
// The options may stand anywhere before a "--"; the other words are the command's, read by
// CommandParser (no words: windows).
#ifndef TOOLS_INSPECT_INSPECTOPTIONS_H
#define TOOLS_INSPECT_INSPECTOPTIONS_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "InspectCommand.h"

struct InspectOptions {
  std::vector<std::string> pages;  // one browser window each; empty: the built-in page
  int width = 1024;                // the browser window's frame
  int height = 768;
  int zoomPercent = 100;
  std::vector<std::pair<std::string, std::string>> installOptions;
  bool accessibility = false;
  bool json = false;
  std::vector<std::vector<std::string>> actions;  // each: verb and its arguments

  InspectCommand command;

  static std::string usage();

  // Parses argv; on a mistake returns nothing and sets `error` to a one-line message.
  static std::optional<InspectOptions> parse(int argc, char** argv, std::string& error);
};

#endif
