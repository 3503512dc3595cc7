#include "script/ScriptLog.h"

#include <cstdio>
#include <string>

namespace geckohost::script {

void ScriptLog::error(std::string_view message) {
  std::string line = "geckohost: script error: " + std::string(message) + "\n";
  std::fputs(line.c_str(), stderr);
}

void ScriptLog::dialog(std::string_view kind, std::string_view text) {
  std::string line = "geckohost: " + std::string(kind) + ": " + std::string(text) + "\n";
  std::fputs(line.c_str(), stderr);
}

}  // namespace geckohost::script
