// A line of nshtml-inspect's shell: split into words as a POSIX shell splits it, then read as a
// command with the table the command line uses too. Every line is a command or one line of
// error, and words quoted back into a line split into the same words again.
#include <cstdint>
#include <string>
#include <vector>

#include "CommandParser.h"
#include "FuzzCheck.h"
#include "WordSplitter.h"

namespace {

// 'it'\''s' for it's: single quotes keep everything but a quote, which is closed around.
std::string quoted(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    line += line.empty() ? "'" : " '";
    for (char c : word)
      line += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += "'";
  }
  return line;
}

void checkCommand(const std::vector<std::string>& words) {
  std::string error;
  std::optional<InspectCommand> command = CommandParser::parse(words, error);
  FUZZ_CHECK(command.has_value() == error.empty());
  FUZZ_CHECK(error.find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The shell reads a line at a time.
  std::string line(reinterpret_cast<const char*>(data), size);
  line = line.substr(0, line.find('\n'));

  std::string error;
  std::optional<std::vector<std::string>> words = WordSplitter::split(line, error);
  FUZZ_CHECK(words.has_value() == error.empty());
  FUZZ_CHECK(error.find('\n') == std::string::npos);
  if (!words)
    return 0;

  std::string againError;
  std::optional<std::vector<std::string>> again = WordSplitter::split(quoted(*words), againError);
  FUZZ_CHECK(again && *again == *words);
  if (!words->empty())
    checkCommand(*words);
  return 0;
}
