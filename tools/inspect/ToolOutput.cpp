#include "ToolOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

FILE* s_stream = nullptr;

}  // namespace

bool ToolOutput::separate(std::string& error) {
  if (s_stream)
    return true;
  fflush(stdout);
  // Close-on-exec: the X server the tool may start must not hold the tool's output open.
  int own = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  if (own < 0) {
    error = std::string("cannot keep standard output apart: ") + strerror(errno);
    return false;
  }
  FILE* stream = fdopen(own, "w");
  if (!stream || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
    error = std::string("cannot keep standard output apart: ") + strerror(errno);
    if (stream)
      fclose(stream);
    else
      close(own);
    return false;
  }
  s_stream = stream;
  return true;
}

FILE* ToolOutput::stream() {
  return s_stream ? s_stream : stdout;
}
