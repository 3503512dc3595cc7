#include "InspectOptions.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

// How many arguments each command takes after its name (not counting its flags).
const std::map<std::string, size_t> kCommandArity = {
    {"windows", 0}, {"get", 2},   {"tree", 0}, {"props", 1},
    {"find", 2},    {"focus", 0}, {"at", 2},   {"screenshot", 1},
};

// How many arguments each --do action takes after its verb.
const std::map<std::string, size_t> kActionArity = {
    {"focus", 1}, {"type", 2}, {"select", 2}, {"scroll", 2}};

bool parseInt(const std::string& text, int& value) {
  if (text.empty())
    return false;
  char* end = nullptr;
  long parsed = strtol(text.c_str(), &end, 10);
  if (*end != '\0' || parsed < -1000000 || parsed > 1000000)
    return false;
  value = static_cast<int>(parsed);
  return true;
}

bool parseSize(const std::string& text, int& width, int& height) {
  size_t x = text.find('x');
  if (x == std::string::npos)
    return false;
  return parseInt(text.substr(0, x), width) && parseInt(text.substr(x + 1), height) &&
         width >= 64 && height >= 64 && width <= 8192 && height <= 8192;
}

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos)
      comma = text.size();
    if (comma > start)
      parts.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return parts;
}

}  // namespace

const char* InspectOptions::usage() {
  return "usage: nshtml-inspect [--page FILE|URL]... [--size WxH] [--zoom PERCENT]\n"
         "                      [--option KEY=VALUE]... [--a11y] [--json] [--do ACTION]...\n"
         "                      COMMAND [ARGS...]\n"
         "commands:\n"
         "  windows                      the top-level objects of every browser window\n"
         "  get PATH NAME                one property (PATH \".\" is the first window)\n"
         "  tree [--depth N] [--props .a,.b]   the object tree of the first window\n"
         "  props PATH                   every standard and native property of an object\n"
         "  find tag|name|id VALUE       elements of the shown document\n"
         "  focus                        the element with the keyboard focus\n"
         "  at X Y                       the hit-test path to a screen point\n"
         "  screenshot FILE.png [--boxes]  a picture of the first window\n"
         "actions (--do, run in order before the command):\n"
         "  focus SELECTOR | type SELECTOR TEXT | select SELECTOR INDEX | scroll X Y\n"
         "  SELECTOR is #id or a tag name with an optional :N (the N-th, from 0)\n"
         "PATH is \".\", child indexes from the top-level object (\"0/1/3\"), or #id\n";
}

std::optional<InspectOptions> InspectOptions::parse(int argc, char** argv, std::string& error) {
  InspectOptions options;
  bool commandSeen = false;
  auto need = [&](int& i, const char* flag) -> const char* {
    if (i + 1 >= argc) {
      error = std::string(flag) + " needs a value";
      return nullptr;
    }
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    const char* value = nullptr;
    if (arg == "--page") {
      if (!(value = need(i, "--page")))
        return std::nullopt;
      options.pages.push_back(value);
    } else if (arg == "--size") {
      if (!(value = need(i, "--size")))
        return std::nullopt;
      if (!parseSize(value, options.width, options.height)) {
        error = std::string("--size wants WxH between 64 and 8192, not '") + value + "'";
        return std::nullopt;
      }
    } else if (arg == "--zoom") {
      if (!(value = need(i, "--zoom")))
        return std::nullopt;
      if (!parseInt(value, options.zoomPercent) || options.zoomPercent < 10 ||
          options.zoomPercent > 1000) {
        error = std::string("--zoom wants a percentage from 10 to 1000, not '") + value + "'";
        return std::nullopt;
      }
    } else if (arg == "--option") {
      if (!(value = need(i, "--option")))
        return std::nullopt;
      const char* equals = strchr(value, '=');
      if (!equals || equals == value || !equals[1]) {
        error = std::string("--option wants KEY=VALUE, not '") + value + "'";
        return std::nullopt;
      }
      options.installOptions.emplace_back(std::string(value, equals), equals + 1);
    } else if (arg == "--a11y") {
      options.accessibility = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--do") {
      if (!(value = need(i, "--do")))
        return std::nullopt;
      auto arity = kActionArity.find(value);
      if (arity == kActionArity.end()) {
        error = std::string("unknown action '") + value + "'";
        return std::nullopt;
      }
      std::vector<std::string> action{value};
      for (size_t k = 0; k < arity->second; ++k) {
        if (i + 1 >= argc) {
          error = std::string("--do ") + value + " needs " + std::to_string(arity->second) +
                  " argument(s)";
          return std::nullopt;
        }
        action.push_back(argv[++i]);
      }
      options.actions.push_back(action);
    } else if (commandSeen && arg == "--depth") {
      if (!(value = need(i, "--depth")))
        return std::nullopt;
      if (!parseInt(value, options.treeDepth) || options.treeDepth < 0) {
        error = std::string("--depth wants a number from 0, not '") + value + "'";
        return std::nullopt;
      }
    } else if (commandSeen && arg == "--props") {
      if (!(value = need(i, "--props")))
        return std::nullopt;
      options.treeProperties = splitCommas(value);
    } else if (commandSeen && arg == "--boxes") {
      options.boxes = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
      error = "unknown option '" + arg + "'";
      return std::nullopt;
    } else if (!commandSeen) {
      if (!kCommandArity.count(arg)) {
        error = "unknown command '" + arg + "'";
        return std::nullopt;
      }
      options.command = arg;
      commandSeen = true;
    } else {
      options.arguments.push_back(arg);
    }
  }
  size_t wanted = kCommandArity.at(options.command);
  if (options.arguments.size() != wanted) {
    error = options.command + " takes " + std::to_string(wanted) + " argument(s), got " +
            std::to_string(options.arguments.size());
    return std::nullopt;
  }
  int coordinate = 0;
  if (options.command == "at" && (!parseInt(options.arguments[0], coordinate) ||
                                  !parseInt(options.arguments[1], coordinate))) {
    error = "at wants two whole numbers, not '" + options.arguments[0] + " " +
            options.arguments[1] + "'";
    return std::nullopt;
  }
  if ((options.treeDepth != -1 || !options.treeProperties.empty()) && options.command != "tree") {
    error = "--depth and --props belong to the tree command";
    return std::nullopt;
  }
  if (options.boxes && options.command != "screenshot") {
    error = "--boxes belongs to the screenshot command";
    return std::nullopt;
  }
  return options;
}
