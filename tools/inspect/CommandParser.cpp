#include "CommandParser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

const int kAnyArity = -1;  // the do command: as many as its action takes

struct CommandRow {
  const char* name;
  int arity;  // arguments after the name, flags not counted
  const char* synopsis;
  const char* summary;
};

const CommandRow kCommands[] = {
    {"windows", 0, "windows", "every top-level object: browsers, dialogs, popups"},
    {"get", 2, "get PATH NAME", "one property (PATH \".\" is the first window, @N/... window N)"},
    {"set", 3, "set PATH NAME VALUE", "sets one property, then reads it back"},
    {"tree", 0, "tree [--depth N] [--props .a,.b] [--window N]",
     "the object tree of the first window (or of window N)"},
    {"props", 1, "props PATH", "every standard and native property of an object"},
    {"find", 2, "find tag|name|id VALUE",
     "elements of the shown document (id: then its frames), with their document"},
    {"focus", 0, "focus", "the element with the keyboard focus"},
    {"at", 2, "at X Y", "the hit-test path to a screen point"},
    {"screenshot", 1, "screenshot FILE.png [--boxes] [--window N]",
     "a picture of the first window (or of window N)"},
    {"report", 1, "report FILE.html",
     "one page to explore in a browser: pictures, tree, properties"},
    {"cookies", kAnyArity, "cookies [delete [SITE] [--partial]]",
     "the cookie store, or the browser's deleteCookies"},
    {"do", kAnyArity, "do ACTION [ARGS...]", "one of the actions below, now"},
    {"eval", 1, "eval SCRIPT", "runs script in the shown page; its value as text"},
    {"wait", 1, "wait MS", "lets the page's timers and requests run for MS ms"},
    {"load", 1, "load URL", "the browser loads URL; waits until the page has settled"},
    {"shell", 0, "shell", "commands from standard input, one per line (see below)"},
};

struct ActionRow {
  const char* verb;
  size_t arity;
};

const ActionRow kActions[] = {{"focus", 1},  {"type", 2},   {"select", 2},
                              {"scroll", 2}, {"cookie", 4}, {"open", 1},
                              {"dialog", 2}, {"answer", 1}, {"findbar", 1}};

const size_t kSynopsisWidth = 29;

const CommandRow* findCommand(const std::string& name) {
  for (const CommandRow& row : kCommands) {
    if (name == row.name)
      return &row;
  }
  return nullptr;
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

bool isNameCharacter(char c) {
  return isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == ':';
}

// A canonical name (".value") or a native one ("title", "data-x", "xml:lang"): a letter or
// an underscore, then letters, digits, '_', '-' or ':'.
bool isPropertyName(const std::string& name) {
  size_t start = !name.empty() && name[0] == '.' ? 1 : 0;
  if (start >= name.size() ||
      !(isalpha(static_cast<unsigned char>(name[start])) || name[start] == '_'))
    return false;
  for (size_t i = start; i < name.size(); ++i) {
    if (!isNameCharacter(name[i]))
      return false;
  }
  return true;
}

}  // namespace

bool CommandParser::parseInt(const std::string& text, int& value) {
  if (text.empty())
    return false;
  char* end = nullptr;
  long parsed = strtol(text.c_str(), &end, 10);
  if (*end != '\0' || parsed < -1000000 || parsed > 1000000)
    return false;
  value = static_cast<int>(parsed);
  return true;
}

std::optional<size_t> CommandParser::actionArity(const std::string& verb) {
  for (const ActionRow& row : kActions) {
    if (verb == row.verb)
      return row.arity;
  }
  return std::nullopt;
}

std::optional<InspectCommand> CommandParser::parse(const std::vector<std::string>& words,
                                                   std::string& error) {
  InspectCommand command;
  bool flagsEnded = false;  // after "--" every word is an argument, as in POSIX utilities
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    bool flag = !flagsEnded && word.size() > 1 && word[0] == '-' && word[1] == '-';
    if (flag && word == "--" && i > 0) {
      flagsEnded = true;
    } else if (flag) {
      if (!takeFlag(words, i, command, error))
        return std::nullopt;
    } else if (i == 0) {
      if (!findCommand(word)) {
        error = "unknown command '" + word + "'";
        return std::nullopt;
      }
      command.name = word;
    } else {
      command.arguments.push_back(word);
    }
  }
  if (!checkArguments(command, error))
    return std::nullopt;
  return command;
}

// The flag at words[i] (and its value, moving i past it) into `command`.
bool CommandParser::takeFlag(const std::vector<std::string>& words, size_t& i,
                             InspectCommand& command, std::string& error) {
  const std::string& flag = words[i];
  bool known = i > 0 && (flag == "--depth" || flag == "--props" || flag == "--boxes" ||
                         flag == "--partial" || flag == "--window");
  if (!known) {
    error = "unknown option '" + flag + "'";
    return false;
  }
  if (flag == "--boxes" || flag == "--partial") {
    (flag == "--boxes" ? command.boxes : command.partial) = true;
    return true;
  }
  if (i + 1 >= words.size()) {
    error = flag + " needs a value";
    return false;
  }
  const std::string& value = words[++i];
  if (flag == "--props") {
    command.treeProperties = splitCommas(value);
  } else if (flag == "--window") {
    if (!parseInt(value, command.window) || command.window < 0) {
      error = "--window wants a number from 0, not '" + value + "'";
      return false;
    }
  } else if (!parseInt(value, command.treeDepth) || command.treeDepth < 0) {
    error = "--depth wants a number from 0, not '" + value + "'";
    return false;
  }
  return true;
}

bool CommandParser::checkArguments(InspectCommand& command, std::string& error) {
  const std::vector<std::string>& args = command.arguments;
  const CommandRow& row = *findCommand(command.name);
  if (row.arity != kAnyArity && args.size() != static_cast<size_t>(row.arity)) {
    error = command.name + " takes " + std::to_string(row.arity) + " argument(s), got " +
            std::to_string(args.size());
    return false;
  }
  if ((command.treeDepth != -1 || !command.treeProperties.empty()) && command.name != "tree") {
    error = "--depth and --props belong to the tree command";
    return false;
  }
  if (command.window >= 0 && command.name != "tree" && command.name != "screenshot") {
    error = "--window belongs to the tree and screenshot commands (paths take @N/)";
    return false;
  }
  if (command.boxes && command.name != "screenshot") {
    error = "--boxes belongs to the screenshot command";
    return false;
  }
  if (command.name == "at" && (!parseInt(args[0], command.x) || !parseInt(args[1], command.y))) {
    error = "at wants two whole numbers, not '" + args[0] + " " + args[1] + "'";
    return false;
  }
  if (command.name == "wait" && (!parseInt(args[0], command.waitMs) || command.waitMs < 0)) {
    error = "wait wants a number of milliseconds from 0, not '" + args[0] + "'";
    return false;
  }
  if (command.name == "set" && !isPropertyName(args[1])) {
    error = "set: '" + args[1] + "' is not a property name (such as .value or title)";
    return false;
  }
  if (command.partial && !(command.name == "cookies" && !args.empty())) {
    error = "--partial belongs to cookies delete";
    return false;
  }
  if (command.name == "cookies" && !(args.empty() || (args[0] == "delete" && args.size() <= 2))) {
    error = "cookies takes nothing, or delete and at most one SITE";
    return false;
  }
  if (command.name == "do")
    return checkAction(args, error);
  return true;
}

bool CommandParser::checkAction(const std::vector<std::string>& action, std::string& error) {
  if (action.empty()) {
    error =
        "do needs an action: focus, type, select, scroll, cookie, open, dialog, answer or "
        "findbar";
    return false;
  }
  std::optional<size_t> arity = actionArity(action[0]);
  if (!arity) {
    error = "unknown action '" + action[0] + "'";
    return false;
  }
  if (action.size() - 1 != *arity) {
    error = "do " + action[0] + " takes " + std::to_string(*arity) + " argument(s), got " +
            std::to_string(action.size() - 1);
    return false;
  }
  return true;
}

std::string CommandParser::usage() {
  std::string text = "commands:\n";
  for (const CommandRow& row : kCommands) {
    std::string synopsis = std::string("  ") + row.synopsis;
    synopsis.resize(std::max(synopsis.size() + 2, kSynopsisWidth + 2), ' ');
    text += synopsis + row.summary + "\n";
  }
  return text;
}

bool CommandParser::commandUsage(const std::string& name, std::string& text, std::string& error) {
  const CommandRow* row = findCommand(name);
  if (!row) {
    error = "unknown command '" + name + "'";
    return false;
  }
  text = std::string("usage: nshtml-inspect [OPTIONS] ") + row->synopsis + "\n  " + row->summary +
         "\n";
  if (name == "do") {
    text += "  ACTION:";
    for (const ActionRow& action : kActions)
      text += std::string(" ") + action.verb;
    text += " (--help lists their arguments)\n";
  }
  return true;
}
