#ifndef NSHTML_TESTS_COMMON_CHILDPROCESS_H
#define NSHTML_TESTS_COMMON_CHILDPROCESS_H

#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Helpers for tests that run the trace facility in a child process with an environment and a
// home of their own.

// A fresh directory under the test temporary directory, removed with everything in it.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

struct ChildResult {
  pid_t pid = -1;
  int exitCode = -1;  // -1 unless the child exited normally
  std::string out;
  std::string err;
};

// Runs program with args in workingDirectory and exactly the given environment (plus the
// sanitizer settings of this process, if any), and waits for it. beforeExec, when given, runs in
// the forked child just before the program starts (to change its mounts or limits); when it
// answers false the child exits with status 125 instead.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::map<std::string, std::string>& environment,
                     const std::string& workingDirectory,
                     const std::function<bool()>& beforeExec = nullptr);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);
// Names of the entries of a directory, sorted; empty when it does not exist.
std::vector<std::string> ListDirectory(const std::string& path);

// The facility's pid text for pid, computed independently: last six digits, right-aligned.
std::string PidText(pid_t pid);

// Whether all of text matches the POSIX extended regular expression pattern, in which "\\d"
// also stands for a digit. (POSIX matching keeps the tests clear of std::regex, whose headers
// trip GCC 12's uninitialised-use warning in sanitizer builds.)
bool FullMatch(const std::string& text, const std::string& pattern);
// text with every character that is special in a pattern escaped.
std::string EscapedForPattern(const std::string& text);

// The "name=value" line of a child's printed settings, without the name; "" when absent.
std::string Setting(const std::string& out, const std::string& name);

#endif  // NSHTML_TESTS_COMMON_CHILDPROCESS_H
