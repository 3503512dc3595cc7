// The trace facility builds every file name it uses from the home directory and the
// preference file's paths into fixed 1,024-byte buffers. This target feeds those builders
// any text and checks that a name is either whole and as the facility names it, or refused,
// never cut:
//
//   input    "<HOME>\n<trace file path>\n<directory under a scratch folder>"
//   checks   $HOME/KESTRIX/ZAV, the backup names of the trace file, making the directories
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ZvDebug.h"

namespace {

const char kSuffix[] = "2026.12.07_10.00.00";

std::vector<std::string> splitLines(const uint8_t* data, size_t size, size_t parts) {
  std::vector<std::string> lines(parts);
  std::string text(reinterpret_cast<const char*>(data), size);
  for (size_t i = 0; i + 1 < parts; ++i) {
    const size_t newline = text.find('\n');
    lines[i] = text.substr(0, newline);
    text = newline == std::string::npos ? std::string() : text.substr(newline + 1);
  }
  lines[parts - 1] = text;
  for (std::string& line : lines)
    line = line.substr(0, line.find('\0'));  // C text ends there
  return lines;
}

void checkPreferenceDirectory(const std::string& home) {
  setenv("HOME", home.c_str(), 1);
  char out[ZvDebug::kPathSize];
  ZvDebug::GetZavPreferenceDirectory(out);
  const std::string expected = home + "/KESTRIX/ZAV";
  if (home.empty()) {
    return;  // the password database's home, which the input does not choose
  }
  if (expected.size() < ZvDebug::kPathSize)
    FUZZ_CHECK(expected == out);
  else
    FUZZ_CHECK(out[0] == '\0');
}

// The facility's naming: before the path's last "." (a directory's too) goes "_c_<suffix>[_N]";
// without a "." that and ".txt" go at the end. A name that does not fit is refused, not cut.
//   "/h/zav_trace.txt" -> "/h/zav_trace_c_<suffix>.txt", "/h/my.dir/trace" ->
//   "/h/my_c_<suffix>.dir/trace"
void checkBackupName(const std::string& path, unsigned counter, size_t size) {
  std::vector<char> out(size);
  const bool fits = ZvDebug::BackupName(path.c_str(), kSuffix, counter, out.data(), size);
  std::string tag = std::string("_c_") + kSuffix;
  if (counter != 0)
    tag += "_" + std::to_string(counter);
  const size_t dot = path.rfind('.');
  const std::string expected =
      dot == std::string::npos ? path + tag + ".txt" : path.substr(0, dot) + tag + path.substr(dot);
  FUZZ_CHECK(fits == (expected.size() < size));
  if (fits)
    FUZZ_CHECK(expected == out.data());
}

int removeEntry(const char* path, const struct stat*, int, FTW*) {
  return remove(path);
}

std::string& scratchFolder() {
  static std::string folder = [] {
    char pattern[] = "/tmp/nshtml-fuzz-paths-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern) != nullptr);
    atexit([] { nftw(scratchFolder().c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS); });
    return std::string(pattern);
  }();
  return folder;
}

bool leavesFolder(const std::string& relative) {
  return relative == ".." || relative.compare(0, 3, "../") == 0 ||
         relative.find("/../") != std::string::npos ||
         (relative.size() >= 3 && relative.compare(relative.size() - 3, 3, "/..") == 0);
}

// Makes the directory and its parents under the scratch folder; a directory made is there.
void checkMakeDirectories(const std::string& relative) {
  if (leavesFolder(relative) || relative.size() > 200)
    return;
  const std::string folder = scratchFolder();
  const std::string path = folder + "/" + relative;
  if (ZvDebug::MkDirs(path.c_str())) {
    struct stat status {};
    FUZZ_CHECK(stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
  }
  // Empty the scratch folder for the next input; the folder itself stays.
  nftw(folder.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
  mkdir(folder.c_str(), 0700);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines = splitLines(data, size, 3);
  checkPreferenceDirectory(lines[0]);

  const std::string& tracePath = lines[1];
  for (unsigned counter : {0u, 7u, UINT_MAX}) {
    checkBackupName(tracePath, counter, ZvDebug::kPathSize);
    checkBackupName(tracePath, counter, 1 + size % 64);
  }
  // The same with the time of day: the part before the last "." stays as it was.
  const char* recalculated = ZvDebug::ReCalculateName(tracePath.c_str());
  if (recalculated) {
    const size_t dot = tracePath.rfind('.');
    const size_t kept = dot == std::string::npos ? tracePath.size() : dot;
    FUZZ_CHECK(strncmp(recalculated, tracePath.c_str(), kept) == 0);
    FUZZ_CHECK(strlen(recalculated) < ZvDebug::kPathSize);
  }

  checkMakeDirectories(lines[2]);
  return 0;
}
