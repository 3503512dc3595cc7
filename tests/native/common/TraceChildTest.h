#ifndef NSHTML_TESTS_COMMON_TRACECHILDTEST_H
#define NSHTML_TESTS_COMMON_TRACECHILDTEST_H

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ChildProcess.h"

// Fixture for tests that start the trace facility's child program. Each test gets a scratch
// tree:
//
//   <scratch>/home                     HOME of the child
//   <scratch>/home/KESTRIX/ZAV         preference, trace and log files
//   <scratch>/install                  install directory, when a test writes install options
//   <scratch>/cwd                      the child's working directory
class TraceChildTest : public ::testing::Test {
 protected:
  using Entries = std::vector<std::pair<std::string, std::string>>;

  TraceChildTest() {
    m_environment["HOME"] = Home();
    WriteFile(WorkDir() + "/.keep", "");
  }

  std::string Home() const { return m_scratch / "home"; }
  std::string ZavDir() const { return Home() + "/KESTRIX/ZAV"; }
  std::string ZavFile(const std::string& name) const { return ZavDir() + "/" + name; }
  std::string InstallDir() const { return m_scratch / "install"; }
  std::string WorkDir() const { return m_scratch / "cwd"; }

  // Writes the preference file with exactly these lines.
  void WritePreferences(const Entries& entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
      text += key + "=" + value + "\r\n";
    }
    WriteFile(ZavFile("zav_log_trace.properties"), text);
  }

  // Writes "pellam.properties" and points the child at the install directory.
  void WriteInstallOptions(const Entries& entries) {
    std::string text;
    for (const auto& [key, value] : entries) {
      text += key + "=" + value + "\n";
    }
    WriteFile(InstallDir() + "/pellam.properties", text);
    m_environment["KESTRIX_TAMAROL_ZAV_INSTALL_DIR"] = InstallDir();
  }

  // Runs a scenario of the child program; a child that fails (or leaks, in a sanitizer build)
  // fails the test.
  ChildResult Run(const std::vector<std::string>& args,
                  const std::string& program = NSHTML_TRACE_CHILD,
                  const std::function<bool()>& beforeExec = nullptr) {
    ChildResult result = RunChild(program, args, m_environment, WorkDir(), beforeExec);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result;
  }

  ScratchDirectory m_scratch;
  std::map<std::string, std::string> m_environment;
};

#endif  // NSHTML_TESTS_COMMON_TRACECHILDTEST_H
