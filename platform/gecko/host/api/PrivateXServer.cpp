#include "PrivateXServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace geckohost {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kStopTimeout = std::chrono::seconds(5);

// Closes a descriptor when it goes out of scope.
class ScopedFd {
 public:
  explicit ScopedFd(int fd = -1) : mFd(fd) {}
  ~ScopedFd() { reset(); }
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  int get() const { return mFd; }
  void reset() {
    if (mFd >= 0)
      close(mFd);
    mFd = -1;
  }

 private:
  int mFd;
};

std::string readWholeFile(int fd) {
  std::string text;
  if (lseek(fd, 0, SEEK_SET) < 0)
    return text;
  char buffer[512];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0)
    text.append(buffer, size_t(got));
  return text;
}

// Reads the display number that Xvfb writes, as decimal digits and a newline, to the
// -displayfd descriptor once it is ready. -1 when the server closed it first or took too long.
int readDisplayNumber(int fd) {
  std::string digits;
  auto deadline = Clock::now() + kStartTimeout;
  while (Clock::now() < deadline) {
    pollfd ready = {fd, POLLIN, 0};
    int left =
        int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    int polled = poll(&ready, 1, left > 0 ? left : 0);
    if (polled < 0 && errno == EINTR)
      continue;
    if (polled <= 0)
      return -1;
    char c;
    ssize_t got = read(fd, &c, 1);
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return -1;
    if (c == '\n')
      break;
    if (c < '0' || c > '9')
      return -1;
    digits.push_back(c);
  }
  return digits.empty() ? -1 : std::atoi(digits.c_str());
}

bool acceptsConnections(const std::string& displayName) {
  auto deadline = Clock::now() + kStartTimeout;
  while (Clock::now() < deadline) {
    if (Display* probe = XOpenDisplay(displayName.c_str())) {
      XCloseDisplay(probe);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

void stopProcess(pid_t process) {
  kill(process, SIGTERM);
  auto deadline = Clock::now() + kStopTimeout;
  while (Clock::now() < deadline) {
    pid_t done = waitpid(process, nullptr, WNOHANG);
    if (done == process || (done < 0 && errno != EINTR))
      return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(process, SIGKILL);
  waitpid(process, nullptr, 0);
}

void fail(std::string* error, const std::string& why) {
  if (error)
    *error = why;
}

}  // namespace

std::unique_ptr<PrivateXServer> PrivateXServer::start(std::string* error) {
  // The write end must survive exec, so only the read end is close-on-exec.
  int ends[2];
  if (pipe(ends) != 0) {
    fail(error, std::string("pipe: ") + std::strerror(errno));
    return nullptr;
  }
  ScopedFd readEnd(ends[0]);
  ScopedFd writeEnd(ends[1]);
  fcntl(readEnd.get(), F_SETFD, FD_CLOEXEC);

  // Xvfb's complaints go to an unlinked temporary file, shown only if the start fails.
  char logPath[] = "/tmp/geckohost-xvfb-XXXXXX";
  ScopedFd log(mkstemp(logPath));
  if (log.get() < 0) {
    fail(error, std::string("mkstemp: ") + std::strerror(errno));
    return nullptr;
  }
  unlink(logPath);
  fcntl(log.get(), F_SETFD, FD_CLOEXEC);

  std::string fdText = std::to_string(writeEnd.get());
  std::vector<std::string> arguments = {"Xvfb", "-displayfd",   fdText,      "-screen",
                                        "0",    "1280x1024x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (auto& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, log.get(), 2);
  pid_t process = -1;
  int spawned = posix_spawnp(&process, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    fail(error, std::string("cannot run Xvfb: ") + std::strerror(spawned));
    return nullptr;
  }
  writeEnd.reset();  // from here on, end of file means the server is gone

  int number = readDisplayNumber(readEnd.get());
  if (number < 0) {
    stopProcess(process);
    fail(error, "Xvfb did not report a display: " + readWholeFile(log.get()));
    return nullptr;
  }
  std::unique_ptr<PrivateXServer> server(new PrivateXServer(process, number));
  if (!acceptsConnections(server->displayName())) {
    fail(error, "Xvfb on " + server->displayName() +
                    " does not accept connections: " + readWholeFile(log.get()));
    return nullptr;  // the destructor stops it
  }
  return server;
}

PrivateXServer::PrivateXServer(pid_t process, int displayNumber)
    : mProcess(process),
      mDisplayNumber(displayNumber),
      mDisplayName(":" + std::to_string(displayNumber)) {}

PrivateXServer::~PrivateXServer() {
  stopProcess(mProcess);
  if (mMadeDefault) {
    const char* current = std::getenv("DISPLAY");
    if (current && mDisplayName == current) {
      if (mEarlierDisplay) {
        setenv("DISPLAY", mEarlierDisplay->c_str(), 1);
      } else {
        unsetenv("DISPLAY");
      }
    }
  }
}

void PrivateXServer::makeDefault() {
  if (!mMadeDefault) {
    const char* earlier = std::getenv("DISPLAY");
    if (earlier)
      mEarlierDisplay = earlier;
    mMadeDefault = true;
  }
  setenv("DISPLAY", mDisplayName.c_str(), 1);
}

}  // namespace geckohost
