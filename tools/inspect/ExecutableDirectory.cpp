#include "ExecutableDirectory.h"

#include <unistd.h>

#include <climits>

std::string executableDirectory() {
  char self[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    return std::string();
  self[length] = '\0';
  std::string path(self);
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
