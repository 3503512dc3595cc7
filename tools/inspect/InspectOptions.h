// The command line of nshtml-inspect:
//
//   nshtml-inspect [--page FILE|URL]... [--size WxH] [--zoom PERCENT] [--option KEY=VALUE]...
//                  [--a11y] [--json] [--do ACTION]... COMMAND [ARGS...]
//
// Commands: windows | get PATH NAME | tree [--depth N] [--props .a,.b] | props PATH |
// find tag|name|id VALUE | focus | at X Y | screenshot FILE.png [--boxes]
#ifndef TOOLS_INSPECT_INSPECTOPTIONS_H
#define TOOLS_INSPECT_INSPECTOPTIONS_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct InspectOptions {
  std::vector<std::string> pages;  // one browser window each; empty: the built-in page
  int width = 1024;                // the browser window's frame
  int height = 768;
  int zoomPercent = 100;
  std::vector<std::pair<std::string, std::string>> installOptions;
  bool accessibility = false;
  bool json = false;
  std::vector<std::vector<std::string>> actions;  // each: verb and its arguments

  std::string command = "windows";
  std::vector<std::string> arguments;  // the command's own, with its flags

  // Command flags.
  int treeDepth = -1;  // unlimited
  std::vector<std::string> treeProperties;
  bool boxes = false;

  static const char* usage();

  // Parses argv; on a mistake returns nothing and sets `error` to a one-line message.
  static std::optional<InspectOptions> parse(int argc, char** argv, std::string& error);
};

#endif
