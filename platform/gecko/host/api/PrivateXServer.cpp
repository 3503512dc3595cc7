#include "PrivateXServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

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

// A display number to try: high and random, because the numbers from 0 up are where other
// servers (other test runs, other users of a shared /tmp/.X11-unix) sit.
int candidateDisplay(unsigned& seed) {
  for (int tries = 0; tries < 50; ++tries) {
    seed = seed * 1103515245u + 12345u;
    int number = 100 + static_cast<int>((seed >> 8) % 900);
    std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    if (access(socket.c_str(), F_OK) != 0 && access(lock.c_str(), F_OK) != 0)
      return number;
  }
  return -1;
}

// Runs Xvfb on `number`; it writes the number to `readyFd` once it accepts connections and
// gets SIGTERM should this process die first, so a crashed test leaves no server behind.
pid_t spawnServer(int number, int readyFd, int logFd, const std::string& screen) {
  std::vector<std::string> arguments = {"Xvfb",       ":" + std::to_string(number),
                                        "-displayfd", std::to_string(readyFd),
                                        "-screen",    "0",
                                        screen,       "-nolisten",
                                        "tcp",        "-noreset"};
  std::vector<char*> argv;
  for (auto& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t parent = getpid();
  pid_t child = fork();
  if (child != 0)
    return child;
  // In the child: only async-signal-safe calls until exec.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != parent)
    _exit(127);
  int nullFd = open("/dev/null", O_RDWR);
  dup2(nullFd, 0);
  dup2(nullFd, 1);
  dup2(logFd, 2);
  execvp("Xvfb", argv.data());
  _exit(127);
}

}  // namespace

std::unique_ptr<PrivateXServer> PrivateXServer::start(std::string* error) {
  return start(kDefaultWidth, kDefaultHeight, error);
}

std::unique_ptr<PrivateXServer> PrivateXServer::start(int width, int height, std::string* error) {
  std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  // Xvfb's complaints go to an unlinked temporary file, shown only if the start fails.
  char logPath[] = "/tmp/geckohost-xvfb-XXXXXX";
  ScopedFd log(mkstemp(logPath));
  if (log.get() < 0) {
    fail(error, std::string("mkstemp: ") + std::strerror(errno));
    return nullptr;
  }
  unlink(logPath);
  fcntl(log.get(), F_SETFD, FD_CLOEXEC);

  unsigned seed = static_cast<unsigned>(getpid()) ^
                  static_cast<unsigned>(Clock::now().time_since_epoch().count());
  std::string why = "no free display number";
  for (int attempt = 0; attempt < 8; ++attempt) {
    int candidate = candidateDisplay(seed);
    if (candidate < 0)
      break;
    // The write end must survive exec, so only the read end is close-on-exec.
    int ends[2];
    if (pipe(ends) != 0) {
      fail(error, std::string("pipe: ") + std::strerror(errno));
      return nullptr;
    }
    ScopedFd readEnd(ends[0]);
    ScopedFd writeEnd(ends[1]);
    fcntl(readEnd.get(), F_SETFD, FD_CLOEXEC);
    pid_t process = spawnServer(candidate, writeEnd.get(), log.get(), screen);
    if (process < 0) {
      fail(error, std::string("fork: ") + std::strerror(errno));
      return nullptr;
    }
    writeEnd.reset();  // from here on, end of file means the server is gone
    int number = readDisplayNumber(readEnd.get());
    if (number < 0) {
      // Taken after all, or Xvfb is missing: try another number, then give up with the log.
      stopProcess(process);
      why = "Xvfb did not start: " + readWholeFile(log.get());
      continue;
    }
    std::unique_ptr<PrivateXServer> server(new PrivateXServer(process, number));
    if (!acceptsConnections(server->displayName())) {
      fail(error, "Xvfb on " + server->displayName() +
                      " does not accept connections: " + readWholeFile(log.get()));
      return nullptr;  // the destructor stops it
    }
    return server;
  }
  fail(error, why);
  return nullptr;
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
