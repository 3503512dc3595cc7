// The facility in a hostile environment: no usable home, its directory taken away while it runs,
// a full disk. The process must keep running and every trace call must come back with its
// value; what could not be written is said on standard error, and the text itself goes to
// standard output so that it is not lost.

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TraceChildTest.h"

namespace {

size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Runs in the forked child: makes path read-only for it alone. As root, permissions do not stop
// anything, so a read-only bind mount in a mount namespace of the child's own does.
bool MakeReadOnly(const std::string& path) {
  if (geteuid() != 0) {
    return chmod(path.c_str(), 0555) == 0;
  }
  return unshare(CLONE_NEWNS) == 0 &&
         mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
         mount(nullptr, path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

const int kNotPermitted = 125;

}  // namespace

class TraceFaultsTest : public TraceChildTest {
 protected:
  // A start without a usable preference directory: one line per directory that could not be
  // made, the failed removal said once (not once per preference lookup), trace off, and the
  // trace call still answers.
  void ExpectStartWithoutPreferenceDirectory(const ChildResult& result, const std::string& home) {
    EXPECT_EQ(Setting(result.out, "formatted"), "5");
    EXPECT_EQ(Setting(result.out, "traceEnabled"), "0");
    EXPECT_EQ(CountOf(result.err,
                      "Exception creating preference file directory: " + home + "/KESTRIX/ZAV\n"),
              3u)
        << result.err;
    EXPECT_EQ(CountOf(result.err, "DEBUG: Error removing preference file\n"), 1u) << result.err;
    EXPECT_EQ(ListDirectory(WorkDir()), std::vector<std::string>{".keep"});
  }
};

TEST_F(TraceFaultsTest, AHomeThatIsAFileOrReadOnlyLeavesTraceOffWithOneLinePerProblem) {
  const std::string file = m_scratch / "home-file";
  WriteFile(file, "not a directory");
  m_environment["HOME"] = file;
  ExpectStartWithoutPreferenceDirectory(Run({"trace", "first"}), file);
  EXPECT_EQ(ReadFile(file), "not a directory");

  const std::string readOnly = m_scratch / "read-only-home";
  WriteFile(readOnly + "/.keep", "");
  m_environment["HOME"] = readOnly;
  const ChildResult result = RunChild(NSHTML_TRACE_CHILD, {"trace", "first"}, m_environment,
                                      WorkDir(), [&readOnly] { return MakeReadOnly(readOnly); });
  if (result.exitCode == kNotPermitted) {
    GTEST_SKIP() << "no mount namespace for a read-only home here";
  }
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ExpectStartWithoutPreferenceDirectory(result, readOnly);
  EXPECT_EQ(ListDirectory(readOnly), std::vector<std::string>{".keep"});
}

TEST_F(TraceFaultsTest, ATraceDirectoryReplacedByAFileLosesNoTextAndNoAnswer) {
  WritePreferences({{"enableTrace", "true"}, {"traceComponentLevelFilter", "native,2"}});
  const ChildResult result = Run({"dir-replaced", "5"});
  EXPECT_EQ(Setting(result.out, "answered"), "5");
  EXPECT_EQ(CountOf(result.err, "Error writing to the file (2).\n"), 5u) << result.err;
  EXPECT_EQ(CountOf(result.err, "\n"), 5u) << result.err;
  for (int i = 0; i < 5; ++i) {
    EXPECT_NE(result.out.find("line " + std::to_string(i) + " ---"), std::string::npos) << i;
  }
  EXPECT_EQ(ReadFile(ZavDir()), "not a directory\n");
  EXPECT_TRUE(FileExists(ZavDir() + ".moved/zav_log_trace.properties"));
}

TEST_F(TraceFaultsTest, AFullDiskCostsOnlyTheLinesThatDoNotFit) {
  WritePreferences({{"enableTrace", "true"}, {"traceComponentLevelFilter", "native,2"}});
  // A file size limit 300 bytes past the trace file's size: two lines of about 150 fit, the rest
  // fail. (The limit holds for every file of the child; its standard output stays far below.)
  const std::string start(64 * 1024, '.');
  WriteFile(ZavFile("zav_trace.txt"), start);
  const ChildResult limited = Run({"file-size-limit", "20"});
  EXPECT_EQ(Setting(limited.out, "answered"), "20");
  const std::string trace = ReadFile(ZavFile("zav_trace.txt")).substr(start.size());
  EXPECT_LE(trace.size(), 300u);
  const size_t whole = CountOf(trace, "\r\n");
  const size_t failed = CountOf(limited.err, "Error writing to the file (1).\n");
  EXPECT_GE(whole, 1u);
  EXPECT_EQ(whole + failed, 20u) << limited.err;
  // What failed is on standard output, whole: no line is lost.
  EXPECT_EQ(CountOf(limited.out, "---\r\n"), failed);
  EXPECT_NE(limited.out.find("line 19 "), std::string::npos);

  // A small file system that fills up, where mount namespaces are permitted.
  const ChildResult full = Run({"small-tmpfs", "300"});
  if (Setting(full.out, "mounted") != "1") {
    GTEST_SKIP() << "no mount namespace for a small file system here";
  }
  EXPECT_EQ(Setting(full.out, "answered"), "300");
  EXPECT_GT(CountOf(full.err, "Error writing to the file (1).\n"), 100u);
  EXPECT_EQ(CountOf(full.err, "\n"), CountOf(full.err, "Error writing to the file (1).\n"));
  EXPECT_NE(full.out.find("line 299 "), std::string::npos);
}
