#include "InteractiveChild.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

InteractiveChild::InteractiveChild(const std::string& program, const std::vector<std::string>& args,
                                   const std::map<std::string, std::string>& environment,
                                   const std::string& workingDirectory)
    : m_errPath(m_streams / "stderr") {
  std::vector<std::string> envStrings;
  for (const auto& [name, value] : environment)
    envStrings.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& entry : envStrings)
    envp.push_back(&entry[0]);
  envp.push_back(nullptr);
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings)
    argv.push_back(&arg[0]);
  argv.push_back(nullptr);

  int toChild[2];
  int fromChild[2];
  if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
    return;
  m_pid = fork();
  if (m_pid == 0) {
    const int err = open(m_errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err < 0 || dup2(toChild[0], 0) < 0 || dup2(fromChild[1], 1) < 0 || dup2(err, 2) < 0 ||
        chdir(workingDirectory.c_str()) != 0) {
      _exit(126);
    }
    // The test program may ignore or block signals; the tool starts as from a shell.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
      signal(signalNumber, SIG_DFL);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  m_input = toChild[1];
  m_output = fromChild[0];
}

InteractiveChild::~InteractiveChild() {
  if (m_pid > 0) {
    kill(m_pid, SIGKILL);
    wait();
  }
  if (m_output >= 0)
    close(m_output);
}

void InteractiveChild::send(const std::string& text) {
  // A program that is gone makes this fail with EPIPE; the test sees that in its answers.
  signal(SIGPIPE, SIG_IGN);
  ssize_t written = write(m_input, text.data(), text.size());
  (void)written;
}

std::string InteractiveChild::readLine(int seconds) {
  for (;;) {
    size_t end = m_pending.find('\n');
    if (end != std::string::npos) {
      std::string line = m_pending.substr(0, end);
      m_pending.erase(0, end + 1);
      return line;
    }
    struct pollfd output = {m_output, POLLIN, 0};
    if (poll(&output, 1, seconds * 1000) <= 0)
      return std::string();
    char buffer[4096];
    ssize_t got = read(m_output, buffer, sizeof buffer);
    if (got <= 0)
      return std::string();
    m_pending.append(buffer, static_cast<size_t>(got));
  }
}

int InteractiveChild::wait() {
  if (m_input >= 0) {
    close(m_input);
    m_input = -1;
  }
  int status = -1;
  if (m_pid > 0 && waitpid(m_pid, &status, 0) == m_pid)
    m_pid = -1;
  return status;
}

std::vector<pid_t> ChildrenNamed(pid_t parent, const std::string& name) {
  std::vector<pid_t> children;
  DIR* proc = opendir("/proc");
  if (!proc)
    return children;
  while (struct dirent* entry = readdir(proc)) {
    pid_t pid = static_cast<pid_t>(atoi(entry->d_name));
    if (pid <= 0)
      continue;
    // "<pid> (<comm>) <state> <ppid> ..."; comm has no ')' for the programs asked about here.
    std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
    std::string line;
    std::getline(stat, line);
    size_t open = line.find('(');
    size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos)
      continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    pid_t ppid = 0;
    rest >> state >> ppid;
    if (ppid == parent && line.substr(open + 1, close - open - 1) == name)
      children.push_back(pid);
  }
  closedir(proc);
  return children;
}
