// The trace and log facility end to end: each test prepares a home (and, where needed, an
// install directory), starts the child program, and checks the files it left.

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "TraceChildTest.h"

namespace {

const char* const kDefaultFilter =
    "tamarol_zv,2;vmq.zavuiplugin,4;native,2;ProbeHostAgent,1;RemoteMethodCaller,1;"
    "WinBrowserEnabler,1;GeckoEnabler,1";
const char* const kStamp = R"(\d{4}-\d\d-\d\d/\d\d:\d\d:\d\d\.000)";
const char* const kTid = R"(\[pthread=-?\d+\])";

// time stamp, pid:tid, level, component, text.
std::string ClassicLine(pid_t pid, const std::string& level, const std::string& component,
                        const std::string& text) {
  return std::string(kStamp) + ",\t" + EscapedForPattern(PidText(pid)) + ":" + kTid + ",\t" +
         level + ",\t" + component + ",\t" + EscapedForPattern(text) + "\r\n";
}

}  // namespace

class TraceFacilityTest : public TraceChildTest {
 protected:
  // Trace on, with the default component filter unless a test gives its own entries.
  void EnableTrace(Entries more = {}) {
    Entries entries{{"enableTrace", "true"}, {"traceComponentLevelFilter", kDefaultFilter}};
    entries.insert(entries.end(), more.begin(), more.end());
    WritePreferences(entries);
  }
};

TEST_F(TraceFacilityTest, FirstStartWritesTheDefaultsAndKeepsTraceOff) {
  const ChildResult first = Run({"trace", "not written"});

  const std::string zav = ZavDir();
  EXPECT_EQ(ReadFile(ZavFile("zav_log_trace.properties")),
            "enableInterProcessMemoryTrace=false\r\n"
            "enableMemoryTrace=false\r\n"
            "enableTrace=false\r\n"
            "generatedBy=native\r\n"
            "logBackupFilesCountLimit=50\r\n"
            "logComponentLevelFilter=" +
                std::string(kDefaultFilter) +
                "\r\n"
                "logFilePath=" +
                zav +
                "\r\n"
                "logFileSize=2048\r\n"
                "logLevel=4\r\n"
                "memoryTraceInterval=5\r\n"
                "memoryTraceRunGC=true\r\n"
                "traceBackupFilesCountLimit=50\r\n"
                "traceComponentLevelFilter=" +
                std::string(kDefaultFilter) +
                "\r\n"
                "traceFilePath=" +
                zav +
                "\r\n"
                "traceFileSize=2048\r\n"
                "traceLevel=4\r\n");
  EXPECT_EQ(first.err, "DEBUG: Error removing preference file\n");
  EXPECT_EQ(Setting(first.out, "traceEnabled"), "0");
  EXPECT_EQ(Setting(first.out, "traceFile"), zav + "/zav_trace.txt");
  EXPECT_EQ(Setting(first.out, "logFile"), zav + "/zav_log.txt");
  EXPECT_EQ(ListDirectory(zav), std::vector<std::string>{"zav_log_trace.properties"});

  // The file now exists: nothing to remove, nothing printed. Logging works from the start.
  const ChildResult second = Run({"log", "logged"});
  EXPECT_EQ(second.err, "");
  EXPECT_EQ(Setting(second.out, "logged"), "1");
}

TEST_F(TraceFacilityTest, EnabledTraceWritesClassicLinesWithLiteralText) {
  EnableTrace();
  const ChildResult result = Run({"trace", "100%d of %s done"});
  EXPECT_EQ(Setting(result.out, "formatted"), "16");
  const std::string trace = ReadFile(ZavFile("zav_trace.txt"));
  EXPECT_TRUE(
      FullMatch(trace, ClassicLine(result.pid, "INFORMATION", "Native", "100%d of %s done")))
      << trace;
}

TEST_F(TraceFacilityTest, APropertyOutlivedByItsValueReportsOnTheMemleakFacility) {
  EnableTrace();
  const ChildResult result = Run({"memleak"});
  EXPECT_EQ(Setting(result.out, "valueCount"), "1");
  const std::string trace = ReadFile(ZavFile("zav_trace.txt"));
  EXPECT_TRUE(FullMatch(trace, ClassicLine(result.pid, "ERROR", "memleak",
                                           "~CHtmlPropery(); m_value's refCount = 2")))
      << trace;
}

TEST_F(TraceFacilityTest, TheNativeEntryGovernsTheLibrarysComponents) {
  struct Case {
    const char* filter;
    const char* traceLevel;
    bool written;
  };
  const Case cases[] = {
      {"native,2", "4", true},           {"native,3", "4", false},
      {"native,9", "0", false},          {"native,-1", "0", false},
      {"native,abc", "7", true},         {"tamarol_zv,2", "4", false},
      {"tamarol_zv,2", "2", true},       {"tamarol_zv,2;Native,5", "0", false},
      {"Native,1;native,9", "0", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.filter) + " traceLevel " + c.traceLevel);
    ScratchDirectory home;
    m_environment["HOME"] = home.path();
    WriteFile(home / "KESTRIX/ZAV/zav_log_trace.properties",
              std::string("enableTrace=true\r\ntraceComponentLevelFilter=") + c.filter +
                  "\r\ntraceLevel=" + c.traceLevel + "\r\n");
    Run({"trace", "threshold"});
    EXPECT_EQ(FileExists(home / "KESTRIX/ZAV/zav_trace.txt"), c.written);
  }
}

TEST_F(TraceFacilityTest, LevelFunctionsWriteTheirLevelsAndNativeAtFiveAdmitsErrorsOnly) {
  EnableTrace({{"traceComponentLevelFilter", "tamarol_zv,2;Native,5"}});
  const ChildResult result = Run({"levels"});
  const pid_t pid = result.pid;
  std::string expected;
  for (const auto& [level, text] :
       std::vector<std::pair<std::string, std::string>>{{"ERROR", "exception 1"},
                                                        {"FATAL", "fatal 2"},
                                                        {"SEVERE", "severe 3"},
                                                        {"ERROR", "error 4"},
                                                        {"ERROR", "Error 5"}}) {
    expected += ClassicLine(pid, level, "Native", text);
  }
  const std::string trace = ReadFile(ZavFile("zav_trace.txt"));
  EXPECT_TRUE(FullMatch(trace, expected)) << trace;
}

TEST_F(TraceFacilityTest, EveryLevelPassesAtZeroAndJniTracesLiterally) {
  EnableTrace({{"traceComponentLevelFilter", "native,0"}});
  const ChildResult levels = Run({"levels"});
  std::string expected;
  for (const auto& [level, text] :
       std::vector<std::pair<std::string, std::string>>{{"ERROR", "exception 1"},
                                                        {"FATAL", "fatal 2"},
                                                        {"SEVERE", "severe 3"},
                                                        {"ERROR", "error 4"},
                                                        {"ERROR", "Error 5"},
                                                        {"WARNING", "warning 6"},
                                                        {"WARNING", "Warning 7"},
                                                        {"AUDIT", "audit 8"},
                                                        {"INFORMATION", "info 9"},
                                                        {"INFORMATION", "debug 10"},
                                                        {"INFORMATION", "Debug 11"},
                                                        {"INFORMATION", "Trace 12"},
                                                        {"DETAIL", "detail 13"},
                                                        {"DETAIL", "Verbose 14"},
                                                        {"CONFIGURATION", "config 15"}}) {
    expected += ClassicLine(levels.pid, level, "Native", text);
  }
  std::string trace = ReadFile(ZavFile("zav_trace.txt"));
  EXPECT_TRUE(FullMatch(trace, expected)) << trace;
  EXPECT_EQ(Setting(levels.out, "jniTrace"), "1");

  const ChildResult jni = Run({"jni", "open%s%n"});
  trace = ReadFile(ZavFile("zav_trace.txt")).substr(trace.size());
  EXPECT_TRUE(FullMatch(trace, ClassicLine(jni.pid, "DETAIL", "JNI", "START - open%s%n") +
                                   ClassicLine(jni.pid, "DETAIL", "JNI", "END - open%s%n")))
      << trace;
}

TEST_F(TraceFacilityTest, SizeLimitsHaveAFloorAndNumbersAreLeadingDigits) {
  WritePreferences({{"logFileSize", "100"},
                    {"traceFileSize", "4096"},
                    {"traceLevel", "3rd"},
                    {"memoryTraceInterval", "30s"},
                    {"enableTrace", "TRUE"}});
  const ChildResult result = Run({"start"});
  EXPECT_EQ(Setting(result.out, "logLimit"), "2048");
  EXPECT_EQ(Setting(result.out, "traceLimit"), "4096");
  EXPECT_EQ(Setting(result.out, "traceLevel"), "3");
  EXPECT_EQ(Setting(result.out, "memoryTraceInterval"), "30");
  EXPECT_EQ(Setting(result.out, "traceEnabled"), "1");
  // Without a filter in the file or the install options, "JNI" falls back to traceLevel 3.
  EXPECT_EQ(Setting(result.out, "jniTrace"), "0");
}

TEST_F(TraceFacilityTest, RotatesOnlyPastTheLimitAndStartsAFreshFile) {
  EnableTrace();
  const std::string trace = ZavFile("zav_trace.txt");
  const std::string justAtLimit(2048 * 1024 + 1, 'x');
  WriteFile(trace, justAtLimit);
  const ChildResult kept = Run({"trace", "kept"});
  EXPECT_EQ(ListDirectory(ZavDir()).size(), 2u);
  const std::string grown = ReadFile(trace);
  EXPECT_TRUE(grown.compare(0, justAtLimit.size(), justAtLimit) == 0);
  EXPECT_TRUE(FullMatch(grown.substr(justAtLimit.size()),
                        ClassicLine(kept.pid, "INFORMATION", "Native", "kept")));

  const std::string pastLimit(2049 * 1024, 'y');
  WriteFile(trace, pastLimit);
  const ChildResult rotated = Run({"trace", "fresh"});
  // In byte order: zav_log_trace.properties, zav_trace.txt, zav_trace_c_<suffix>.txt.
  std::vector<std::string> files = ListDirectory(ZavDir());
  ASSERT_EQ(files.size(), 3u);
  EXPECT_TRUE(FullMatch(files[2], R"(zav_trace_c_\d{4}\.\d\d\.\d\d_\d\d\.\d\d\.\d\d\.txt)"))
      << files[2];
  EXPECT_TRUE(ReadFile(ZavFile(files[2])) == pastLimit);
  EXPECT_TRUE(
      FullMatch(ReadFile(trace), ClassicLine(rotated.pid, "INFORMATION", "Native", "fresh")));
}

TEST_F(TraceFacilityTest, EclipseStyleEntriesNeedTraceAndAreNeverRotated) {
  EnableTrace({{"enableEclipseLogFormat", "true"}});
  const std::string trace = ZavFile("zav_trace.log");
  const std::string large(2049 * 1024, 'z');
  WriteFile(trace, large);
  const ChildResult result = Run({"trace", "eclipse"});
  EXPECT_EQ(Setting(result.out, "traceFile"), trace);
  const std::string text = ReadFile(trace);
  ASSERT_TRUE(text.compare(0, large.size(), large) == 0);
  EXPECT_TRUE(FullMatch(text.substr(large.size()), std::string("!ENTRY Native 1 0 ") + kStamp +
                                                       "\r\n!MESSAGE \\[" + PidText(result.pid) +
                                                       ":" + kTid + ":C:2\\] eclipse\r\n"))
      << text.substr(large.size());
  EXPECT_EQ(ListDirectory(ZavDir()).size(), 2u);

  // With trace off the classic style and file are used, here reached through a log call.
  WritePreferences({{"enableTrace", "false"},
                    {"enableEclipseLogFormat", "true"},
                    {"logComponentLevelFilter", "native,2"}});
  const ChildResult classic = Run({"log", "classic"});
  EXPECT_EQ(Setting(classic.out, "traceFile"), ZavFile("zav_trace.txt"));
  EXPECT_TRUE(FullMatch(ReadFile(ZavFile("zav_trace.txt")),
                        ClassicLine(classic.pid, "INFORMATION", "Native", "classic")));
}

TEST_F(TraceFacilityTest, LogCallsReachTheLogAndTheTraceFileWithTraceOff) {
  WritePreferences({{"logComponentLevelFilter", "native,2"}, {"logFilePath", Home() + "/logs"}});
  const ChildResult result = Run({"log", "logged %s"});
  EXPECT_EQ(Setting(result.out, "logged"), "1");
  EXPECT_EQ(Setting(result.out, "traceEnabled"), "0");
  const std::string log = ReadFile(Home() + "/logs/zav_log.txt");
  EXPECT_TRUE(FullMatch(log, std::string(kStamp) + ",\t" + PidText(result.pid) + ":" + kTid +
                                 ",\tINFORMATION,\tNative,\t: logged %s\r\n"))
      << log;
  EXPECT_TRUE(FullMatch(ReadFile(ZavFile("zav_trace.txt")),
                        ClassicLine(result.pid, "INFORMATION", "Native", "logged %s")));

  // Below the log threshold nothing is written anywhere.
  WritePreferences({{"logComponentLevelFilter", "native,3"}});
  const ChildResult filtered = Run({"log", "dropped"});
  EXPECT_EQ(Setting(filtered.out, "logged"), "0");
  EXPECT_EQ(ReadFile(ZavFile("zav_trace.txt")).find("dropped"), std::string::npos);
}

TEST_F(TraceFacilityTest, FiltersComeFromTheInstallOptionsWhenThePreferencesHaveNone) {
  WritePreferences({{"enableTrace", "true"}});
  WriteInstallOptions({{"tamarol.test.zv.debug.filter", "default,7;native,1"}});
  const ChildResult result = Run({"trace", "from options"});
  EXPECT_TRUE(FullMatch(ReadFile(ZavFile("zav_trace.txt")),
                        ClassicLine(result.pid, "INFORMATION", "Native", "from options")));
}

TEST_F(TraceFacilityTest, WithoutHomeThePasswordDatabaseGivesTheHome) {
  m_environment.erase("HOME");
  ScratchDirectory passwdHome;
  m_environment["NSHTML_TEST_PASSWD_HOME"] = passwdHome.path();
  WriteFile(passwdHome / "KESTRIX/ZAV/zav_log_trace.properties",
            "enableTrace=true\r\ntraceComponentLevelFilter=native,2\r\n");
  const ChildResult result = Run({"trace", "via passwd"}, NSHTML_TRACE_CHILD_FAKE_PASSWD);
  EXPECT_EQ(Setting(result.out, "traceFile"), passwdHome / "KESTRIX/ZAV/zav_trace.txt");
  EXPECT_TRUE(FullMatch(ReadFile(passwdHome / "KESTRIX/ZAV/zav_trace.txt"),
                        ClassicLine(result.pid, "INFORMATION", "Native", "via passwd")));
  EXPECT_EQ(ListDirectory(WorkDir()), std::vector<std::string>{".keep"});
}

TEST_F(TraceFacilityTest, WithoutAnyHomeNoFileIsWritten) {
  m_environment.erase("HOME");
  const bool rootHadKestrix = FileExists("/KESTRIX");
  for (const char* scenario : {"trace", "log", "levels"}) {
    const ChildResult result = Run({scenario, "nowhere"}, NSHTML_TRACE_CHILD_FAKE_PASSWD);
    EXPECT_EQ(Setting(result.out, "traceFile"), "");
    EXPECT_EQ(Setting(result.out, "logFile"), "");
    EXPECT_EQ(result.err, "");
  }
  EXPECT_EQ(ListDirectory(WorkDir()), std::vector<std::string>{".keep"});
  EXPECT_EQ(FileExists("/KESTRIX"), rootHadKestrix);
}

TEST_F(TraceFacilityTest, OutOfRangeNumbersClampInsteadOfWrapping) {
  // 4294967296 used to become a limit of 0 (every line rotated); 23 digits wrapped as well.
  WritePreferences({{"traceFileSize", "4294967296"},
                    {"logFileSize", "12345678901234567890123"},
                    {"traceLevel", "99999999999999999999999"},
                    {"memoryTraceInterval", "99999999999999999999999"}});
  const ChildResult huge = Run({"start"});
  EXPECT_EQ(Setting(huge.out, "traceLimit"), "4294967295");
  EXPECT_EQ(Setting(huge.out, "logLimit"), "4294967295");
  EXPECT_EQ(Setting(huge.out, "traceLevel"), "4294967295");
  EXPECT_EQ(Setting(huge.out, "memoryTraceInterval"), std::to_string(ULONG_MAX));

  WritePreferences({{"traceFileSize", "0"}, {"logFileSize", "2047"}});
  const ChildResult small = Run({"start"});
  EXPECT_EQ(Setting(small.out, "traceLimit"), "2048");
  EXPECT_EQ(Setting(small.out, "logLimit"), "2048");
}

TEST_F(TraceFacilityTest, AUtf8MarkIsReadAndUtf16PreferencesAreRefusedAloudAndKept) {
  WriteFile(ZavFile("zav_log_trace.properties"),
            "\xEF\xBB\xBF"
            "enableTrace=true\r\ntraceComponentLevelFilter=native,2\r\n");
  const ChildResult marked = Run({"trace", "after the mark"});
  EXPECT_EQ(Setting(marked.out, "traceEnabled"), "1");
  EXPECT_TRUE(FullMatch(ReadFile(ZavFile("zav_trace.txt")),
                        ClassicLine(marked.pid, "INFORMATION", "Native", "after the mark")));

  // UTF-16, big-endian with its mark and little-endian without: not read as an empty file, not
  // replaced by the defaults, and said once although every lookup tries again.
  const std::string text = "enableTrace=true\r\n";
  std::string bigEndian = "\xFE\xFF";
  std::string noMark;
  for (char c : text) {
    bigEndian += std::string{'\0', c};
    noMark += std::string{c, '\0'};
  }
  for (const std::string& content : {bigEndian, noMark}) {
    const std::string preferences = ZavFile("zav_log_trace.properties");
    WriteFile(preferences, content);
    const ChildResult refused = Run({"trace", "refused"});
    EXPECT_EQ(Setting(refused.out, "traceEnabled"), "0");
    EXPECT_TRUE(FullMatch(refused.err, "DEBUG: Not reading " + EscapedForPattern(preferences) +
                                           ": UTF-16 [-a-z ]+ text; save it as UTF-8\n"))
        << refused.err;
    EXPECT_TRUE(ReadFile(preferences) == content);
  }

  // The install options likewise, looked up many times during start-up.
  WritePreferences({{"enableTrace", "false"}});
  WriteInstallOptions({});
  WriteFile(InstallDir() + "/pellam.properties", bigEndian);
  const ChildResult options = Run({"install", "enableTrace"});
  EXPECT_EQ(Setting(options.out, "option enableTrace"), "(null)");
  EXPECT_EQ(options.err, "DEBUG: Not reading " + InstallDir() +
                             "/pellam.properties: UTF-16 big-endian text; save it as UTF-8\n");
}

TEST_F(TraceFacilityTest, AHomeTooLongForThePathBufferIsRefusedNotCut) {
  // Six levels of 200 characters: the preference directory would be cut inside the sixth.
  const std::string top = m_scratch / "long";
  std::string home = top;
  for (char level = 'a'; level < 'g'; ++level) {
    home += "/" + std::string(200, level);
  }
  WriteFile(home + "/.keep", "");
  m_environment["HOME"] = home;
  const ChildResult result = Run({"trace", "nowhere"});
  EXPECT_EQ(Setting(result.out, "traceFile"), "");
  EXPECT_EQ(Setting(result.out, "logFile"), "");
  EXPECT_EQ(Setting(result.out, "formatted"), "7");
  EXPECT_NE(result.err.find("Path too long"), std::string::npos) << result.err;
  // Nothing was made along the way: the tree holds only the six levels and the test's file.
  size_t entries = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
    const std::string path = entry.path().string();
    EXPECT_TRUE(home.compare(0, path.size(), path) == 0 || path == home + "/.keep") << path;
    ++entries;
  }
  EXPECT_EQ(entries, 7u);
}
