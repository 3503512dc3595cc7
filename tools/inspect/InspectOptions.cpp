#include "InspectOptions.h"

#include <cstdlib>
#include <cstring>

#include "CommandParser.h"

namespace {

bool parseSize(const std::string& text, int& width, int& height) {
  size_t x = text.find('x');
  if (x == std::string::npos)
    return false;
  return CommandParser::parseInt(text.substr(0, x), width) &&
         CommandParser::parseInt(text.substr(x + 1), height) && width >= 64 && height >= 64 &&
         width <= 8192 && height <= 8192;
}

}  // namespace

std::string InspectOptions::usage() {
  return "usage: nshtml-inspect [--page FILE|URL]... [--size WxH] [--zoom PERCENT]\n"
         "                      [--option KEY=VALUE]... [--a11y] [--json] [--do ACTION]...\n"
         "                      COMMAND [ARGS...]\n"
         "       nshtml-inspect --help [COMMAND]   (or -h): this text, or one command's\n" +
         CommandParser::usage() +
         "actions (--do ACTION, run in order before the command; do ACTION, when it runs):\n"
         "  focus SELECTOR | type SELECTOR TEXT | select SELECTOR INDEX | scroll X Y\n"
         "  open SELECTOR (drops a select's list down) | dialog KIND MESSAGE (KIND: alert,\n"
         "  confirm, prompt, helperapp, find, cookie; MESSAGE \"\" for the kind's own) |\n"
         "  answer BUTTON|text:TEXT (the last open dialog: presses the button named by\n"
         "  dlgtype or label; text:TEXT types TEXT into its text box, then accepts) |\n"
         "  findbar TEXT (shows the browser's find bar with TEXT in its field)\n"
         "  SELECTOR is #id or a tag name with an optional :N (the N-th, from 0)\n"
         "PATH is \".\", child indexes from the top-level object (\"0/1/3\"), or #id (in the\n"
         "  shown document, then in its frames' documents; #frame/#id goes on in the document\n"
         "  that frame shows); a leading @N/ starts from top-level object N of windows instead\n"
         "  of the first browser\n"
         "get: a NAME the object does not know prints null and a note on standard error\n"
         "set: NAME is canonical (.value) or native (title); VALUE is read as JSON where it\n"
         "  reads as true, false, a whole number, a \"string\" or [x, y, w, h], else it is\n"
         "  the text itself; prints the setter's answer and the value read back\n"
         "shell: one command per line against the same page, words as sh splits them\n"
         "  ('...', \"...\", \\, # comments); with --json one line of JSON per command,\n"
         "  {\"error\": \"...\"} for one that failed; failures do not stop it\n"
         "text output escapes control characters (\\n, \\t, \\u00XX): one value, one line\n"
         "exit status: 0 done; 1 a setter answered false; 2 a usage, path or other failure;\n"
         "  shell: the highest status among its commands\n";
}

std::optional<InspectOptions> InspectOptions::parse(int argc, char** argv, std::string& error) {
  InspectOptions options;
  std::vector<std::string> commandWords;
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
    if (arg == "--") {
      // The rest is the command's, "--" included so that it also ends the command's flags.
      commandWords.insert(commandWords.end(), argv + i + (commandWords.empty() ? 1 : 0),
                          argv + argc);
      break;
    } else if (arg == "--page") {
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
      if (!CommandParser::parseInt(value, options.zoomPercent) || options.zoomPercent < 10 ||
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
      std::optional<size_t> arity = CommandParser::actionArity(value);
      if (!arity) {
        error = std::string("unknown action '") + value + "'";
        return std::nullopt;
      }
      if (static_cast<size_t>(argc - 1 - i) < *arity) {
        error = std::string("--do ") + value + " needs " + std::to_string(*arity) + " argument(s)";
        return std::nullopt;
      }
      options.actions.emplace_back(argv + i, argv + i + 1 + *arity);
      i += static_cast<int>(*arity);
    } else {
      commandWords.push_back(arg);
    }
  }
  std::optional<InspectCommand> command = CommandParser::parse(commandWords, error);
  if (!command)
    return std::nullopt;
  options.command = *command;
  return options;
}
