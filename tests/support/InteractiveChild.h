// A program run with a conversation: the test writes lines to its standard input and reads its
// answers line by line while it runs, then signals it or closes its input and waits.
//
//   InteractiveChild tool(NSHTML_INSPECT_PATH, {"shell"}, {{"HOME", home}}, home);
//   tool.send("get . .class\n");
//   std::string answer = tool.readLine();   // "\"Html.HtmlBrowser\""
//   int status = tool.wait();               // as waitpid gives it
#ifndef TESTS_SUPPORT_INTERACTIVECHILD_H
#define TESTS_SUPPORT_INTERACTIVECHILD_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "ChildProcess.h"

class InteractiveChild {
 public:
  // Starts `program` in `workingDirectory` with exactly `environment`; its standard error goes
  // to a file, read by err().
  InteractiveChild(const std::string& program, const std::vector<std::string>& args,
                   const std::map<std::string, std::string>& environment,
                   const std::string& workingDirectory);
  // Kills the program if it still runs.
  ~InteractiveChild();
  InteractiveChild(const InteractiveChild&) = delete;
  InteractiveChild& operator=(const InteractiveChild&) = delete;

  pid_t pid() const { return m_pid; }
  void send(const std::string& text);
  // The next line of standard output without its end; empty after `seconds` without one or at
  // the end of the output.
  std::string readLine(int seconds = 60);
  // Closes the program's input and waits for it; the status as waitpid gives it.
  int wait();
  std::string err() const { return ReadFile(m_errPath); }

 private:
  pid_t m_pid = -1;
  int m_input = -1;
  int m_output = -1;
  std::string m_pending;
  ScratchDirectory m_streams;
  std::string m_errPath;
};

// The pids of the running children of `parent` whose command name is `name` ("Xvfb").
std::vector<pid_t> ChildrenNamed(pid_t parent, const std::string& name);

#endif
