#include "OptionsDirectory.h"

#include <dirent.h>
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

const char kPrefix[] = "nshtml-inspect-";
const char kFileName[] = "pellam.properties";

// The names removeNow() works on, filled before they exist on disk; a signal handler can read
// them without allocating. Empty when there is nothing to remove.
char s_directory[PATH_MAX];
char s_file[PATH_MAX];

// Precondition: text fits, terminator included.
void copyInto(char* target, const std::string& text) {
  memcpy(target, text.c_str(), text.size() + 1);
}

// The pid of a folder name "nshtml-inspect-<pid>-XXXXXX"; 0 when the name is not of that form.
pid_t pidOfName(const char* name) {
  if (strncmp(name, kPrefix, sizeof kPrefix - 1) != 0)
    return 0;
  const char* digits = name + sizeof kPrefix - 1;
  char* end = nullptr;
  errno = 0;
  long long pid = strtoll(digits, &end, 10);
  if (errno || end == digits || *end != '-' || strlen(end + 1) != 6 || pid <= 0 || pid > INT_MAX)
    return 0;
  return static_cast<pid_t>(pid);
}

bool processIsGone(pid_t pid) {
  return kill(pid, 0) != 0 && errno == ESRCH;
}

// A left-behind folder holds the options file and nothing else; anything more is not ours to
// remove, and rmdir refuses a folder that is not empty.
bool removeOptionsFolder(const std::string& path) {
  unlink((path + "/" + kFileName).c_str());
  return rmdir(path.c_str()) == 0;
}

}  // namespace

OptionsDirectory::~OptionsDirectory() {
  removeNow();
}

bool OptionsDirectory::create(const Options& options, std::string& error) {
  std::string pattern = temporaryParent() + "/" + kPrefix + std::to_string(getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // Both names must fit the buffers removeNow() reads before the folder is made.
  if (pattern.size() + sizeof kFileName + 1 > PATH_MAX || !mkdtemp(name.data())) {
    error = "cannot make a directory for the install options under " + temporaryParent();
    return false;
  }
  m_path = name.data();
  copyInto(s_directory, m_path);
  copyInto(s_file, m_path + "/" + kFileName);
  FILE* out = fopen(s_file, "w");
  if (!out) {
    error = "cannot write " + std::string(s_file);
    removeNow();
    return false;
  }
  for (const auto& option : options)
    fprintf(out, "%s=%s\n", option.first.c_str(), option.second.c_str());
  if (fclose(out) != 0) {
    error = "cannot write " + std::string(s_file);
    removeNow();
    return false;
  }
  return true;
}

void OptionsDirectory::removeNow() {
  if (!s_directory[0])
    return;
  unlink(s_file);
  rmdir(s_directory);
  s_directory[0] = '\0';
  s_file[0] = '\0';
}

int OptionsDirectory::sweepStale(const std::string& parent) {
  DIR* directory = opendir(parent.c_str());
  if (!directory)
    return 0;
  int removed = 0;
  while (struct dirent* entry = readdir(directory)) {
    pid_t pid = pidOfName(entry->d_name);
    if (!pid || !processIsGone(pid))
      continue;
    std::string path = parent + "/" + entry->d_name;
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
      continue;
    if (removeOptionsFolder(path))
      ++removed;
  }
  closedir(directory);
  return removed;
}

std::string OptionsDirectory::temporaryParent() {
  const char* tmpdir = getenv("TMPDIR");
  struct stat info;
  if (tmpdir && *tmpdir && stat(tmpdir, &info) == 0 && S_ISDIR(info.st_mode))
    return tmpdir;
  return "/tmp";
}
