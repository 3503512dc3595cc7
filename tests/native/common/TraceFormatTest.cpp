#include <pthread.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "DebugTrace.h"
#include "StreamCapture.h"
#include "TraceFile.h"
#include "Tracer.h"
#include "ZvDebug.h"

using Properties = ZvInstallOptions::Properties;

TEST(TraceFormatTest, PidTextIsSixCharactersWide) {
  EXPECT_STREQ(DebugTrace::FormatPid(1234567), "234567");
  EXPECT_STREQ(DebugTrace::FormatPid(42), "    42");
  EXPECT_STREQ(DebugTrace::FormatPid(1000042), "000042");
  EXPECT_STREQ(DebugTrace::FormatPid(), PidText(getpid()).c_str());

  // The thread's own id as a signed decimal of the platform's width: on i386 an id with its
  // top bit set (threads' stacks sit high) prints negative.
  const std::string tid = DebugTrace::FormatTid().get();
  EXPECT_EQ(tid, "[pthread=" + std::to_string(static_cast<long>(pthread_self())) + "]");
}

TEST(TraceFormatTest, ChannelDateAndTwelveHourTime) {
  EXPECT_EQ(DebugTrace::FormatDate("Fri Dec  4 13:05:09 2026\n"), "12/4/26");
  EXPECT_EQ(DebugTrace::FormatDate("Mon jan 12 00:10:00 2009\n"), "1/12/09");
  EXPECT_EQ(DebugTrace::FormatDate("Mon Foo 12 00:10:00 2009\n"), "Unknown/12/09");
  EXPECT_EQ(DebugTrace::FormatTime("Fri Dec  4 13:05:09 2026\n", 7), "01:05:09.007 PM");
  EXPECT_EQ(DebugTrace::FormatTime("Fri Dec  4 00:10:00 2026\n", 999), "00:10:00.999 AM");
  EXPECT_EQ(DebugTrace::FormatTime("Fri Dec  4 12:00:59 2026\n", 0), "12:00:59.000 PM");
  EXPECT_EQ(DebugTrace::FormatTime("Fri Dec  4 11:59:59 2026\n", 10), "11:59:59.010 AM");
  EXPECT_EQ(DebugTrace::FormatTime("Fri Dec  4 23:00:00 2026\n", 100), "11:00:00.100 PM");
  EXPECT_EQ(DebugTrace::FormatTime(nullptr, 0), "");
  EXPECT_STREQ(DebugTrace::MonthToMonthNumber("OCT"), "10");
  EXPECT_STREQ(DebugTrace::MonthToMonthNumber("October"), "Unknown");
  EXPECT_STREQ(DebugTrace::MonthToMonthNumber(nullptr), "Unknown");
}

TEST(TraceFormatTest, TimeStampsAndBackupNames) {
  char stamp[ZvDebug::kTimeStampSize];
  ASSERT_EQ(ZvDebug::GetTimeStamp(stamp), 1);
  EXPECT_TRUE(FullMatch(stamp, std::string(R"(\d{4}-\d\d-\d\d/\d\d:\d\d:\d\d\.000)")));
  ASSERT_EQ(ZvDebug::GetTimeStampFileSuffix(stamp), 1);
  const std::string suffix = stamp;
  EXPECT_TRUE(FullMatch(suffix, std::string(R"(\d{4}\.\d\d\.\d\d_\d\d\.\d\d\.\d\d)")));
  EXPECT_EQ(ZvDebug::GetTimeStamp(nullptr), 0);

  const std::string suffixPattern = R"(_c_\d{4}\.\d\d\.\d\d_\d\d\.\d\d\.\d\d)";
  EXPECT_TRUE(FullMatch(ZvDebug::ReCalculateName("/h/KESTRIX/ZAV/zav_trace.txt"),
                        std::string("/h/KESTRIX/ZAV/zav_trace" + suffixPattern + R"(\.txt)")));
  EXPECT_TRUE(FullMatch(ZvDebug::ReCalculateName("/h/my.dir/trace"),
                        std::string("/h/my" + suffixPattern + R"(\.dir/trace)")));
  EXPECT_TRUE(FullMatch(ZvDebug::ReCalculateName("/h/dir/trace"),
                        std::string("/h/dir/trace" + suffixPattern + R"(\.txt)")));
  EXPECT_EQ(ZvDebug::ReCalculateName(nullptr), nullptr);

  char name[ZvDebug::kPathSize];
  ASSERT_TRUE(ZvDebug::BackupName("/h/zav_trace.txt", "S", 0, name, sizeof name));
  EXPECT_STREQ(name, "/h/zav_trace_c_S.txt");
  ASSERT_TRUE(ZvDebug::BackupName("/h/zav_trace.txt", "S", 12, name, sizeof name));
  EXPECT_STREQ(name, "/h/zav_trace_c_S_12.txt");
  ASSERT_TRUE(ZvDebug::BackupName("/h/trace", "S", 3, name, sizeof name));
  EXPECT_STREQ(name, "/h/trace_c_S_3.txt");
  // A name that does not fit is refused, not cut into the name of another file.
  const std::string longPath = "/" + std::string(1010, 'd') + "/zav_trace.txt";
  EXPECT_FALSE(ZvDebug::BackupName(longPath.c_str(), "S", 0, name, sizeof name));
  EXPECT_EQ(ZvDebug::ReCalculateName(longPath.c_str()), nullptr);
}

TEST(TraceFormatTest, RotationNeverReplacesABackupAndLeavesAllButLargeRegularFilesAlone) {
  ScratchDirectory scratch;
  const std::string trace = scratch / "trace.txt";
  const auto namer = [&scratch](unsigned counter, char* out, size_t size) {
    return snprintf(out, size, "%s", (scratch / ("backup" + std::to_string(counter))).c_str()) > 0;
  };
  using Rotation = CTraceFile::Rotation;

  EXPECT_EQ(CTraceFile::RotateIfLarger(trace.c_str(), 1, namer), Rotation::kNotNeeded);
  WriteFile(trace, std::string(2048, 'a'));
  EXPECT_EQ(CTraceFile::RotateIfLarger(trace.c_str(), 2, namer), Rotation::kNotNeeded);
  WriteFile(trace, std::string(2048 + 1023, 'a'));
  EXPECT_EQ(CTraceFile::RotateIfLarger(trace.c_str(), 2, namer), Rotation::kNotNeeded);

  // Two backups exist already (another writer rotated within the same second): the third name.
  WriteFile(scratch / "backup0", "first");
  WriteFile(scratch / "backup1", "second");
  WriteFile(trace, std::string(3 * 1024, 'b'));
  EXPECT_EQ(CTraceFile::RotateIfLarger(trace.c_str(), 2, namer), Rotation::kRotated);
  EXPECT_EQ(ReadFile(scratch / "backup0"), "first");
  EXPECT_EQ(ReadFile(scratch / "backup1"), "second");
  EXPECT_EQ(ReadFile(scratch / "backup2"), std::string(3 * 1024, 'b'));
  EXPECT_FALSE(FileExists(trace));

  // No name left to try: the file stays as it is.
  WriteFile(trace, std::string(3 * 1024, 'c'));
  const auto noName = [](unsigned, char*, size_t) { return false; };
  EXPECT_EQ(CTraceFile::RotateIfLarger(trace.c_str(), 2, noName), Rotation::kFailed);
  EXPECT_EQ(ReadFile(trace).size(), 3u * 1024);

  // A backup name too long for its buffer: the file stays, and the failure is said.
  std::string deep = scratch.path();
  for (char level = 'a'; level < 'f'; ++level) {
    deep += "/" + std::string(200, level);
  }
  const std::string deepTrace = deep + "/zav_trace.txt";
  WriteFile(deepTrace, std::string(2 * 1024, 'd'));
  {
    StreamCapture err(2);
    ZvDebug::ValidateFileFileSizeLimit(deepTrace.c_str(), 1);
    EXPECT_EQ(err.Text(), "Rename failed\n");
  }
  EXPECT_EQ(ListDirectory(deep), std::vector<std::string>{"zav_trace.txt"});

  // A directory with the trace file's name is not a file that grew: it stays, and lines sent
  // there fail to open, with the text kept on standard output.
  const std::string directory = scratch / "dir.txt";
  ASSERT_TRUE(ZvDebug::MkDirs((directory + "/sub").c_str()));
  EXPECT_EQ(CTraceFile::RotateIfLarger(directory.c_str(), 0, namer), Rotation::kNotNeeded);
  ZvDebug::ValidateFileFileSizeLimit(directory.c_str(), 0);
  EXPECT_TRUE(FileExists(directory + "/sub"));
  StreamCapture out(1);
  StreamCapture err(2);
  EXPECT_FALSE(ZvDebug::WriteMessage(directory.c_str(), "kept\r\n"));
  EXPECT_EQ(err.Text(), "Error writing to the file (2).\n");
  EXPECT_EQ(out.Text(), "kept\r\n");

  // RENAME_NOREPLACE semantics, whichever way the file system provides them.
  WriteFile(scratch / "from", "from");
  EXPECT_FALSE(CTraceFile::RenameWithoutReplacing((scratch / "from").c_str(),
                                                  (scratch / "backup0").c_str()));
  EXPECT_EQ(ReadFile(scratch / "backup0"), "first");
  EXPECT_TRUE(
      CTraceFile::RenameWithoutReplacing((scratch / "from").c_str(), (scratch / "to").c_str()));
  EXPECT_EQ(ReadFile(scratch / "to"), "from");
}

TEST(TraceFormatTest, EntriesWithoutTextKeepTheirFields) {
  ScratchDirectory scratch;
  const std::string traceFile = ZvDebug::TraceGetFileName() ? ZvDebug::TraceGetFileName() : "";
  const std::string logFile = ZvDebug::LogGetFileName() ? ZvDebug::LogGetFileName() : "";
  ZvDebug::TraceSetFileName((scratch / "trace.log").c_str());
  ZvDebug::LogSetFileName((scratch / "log.txt").c_str());

  // Eclipse style: only the message text is replaced.
  ZvDebug::NewTraceMessage(ZvDebug::kWarning, "Probe", nullptr, nullptr);
  const std::string pid = EscapedForPattern(PidText(getpid()));
  const std::string entry = ReadFile(scratch / "trace.log");
  EXPECT_TRUE(FullMatch(entry, R"(!ENTRY Probe 2 0 \d{4}-\d\d-\d\d/\d\d:\d\d:\d\d\.000)"
                               "\r\n!MESSAGE \\[" +
                                   pid +
                                   R"(:\[pthread=-?\d+\]:C:4\] _no_message_)"
                                   "\r\n"))
      << entry;

  // Classic log and trace lines: the text is empty.
  ZvDebug::LogMessage(ZvDebug::kError, "", "Probe", nullptr, nullptr);
  const std::string log = ReadFile(scratch / "log.txt");
  EXPECT_TRUE(FullMatch(log, R"(\d{4}-\d\d-\d\d/\d\d:\d\d:\d\d\.000,	)" + pid +
                                 R"(:\[pthread=-?\d+\],	ERROR,	Probe,	: )"
                                 "\r\n"))
      << log;
  const std::string trace = ReadFile(scratch / "trace.log").substr(entry.size());
  EXPECT_TRUE(FullMatch(trace, R"(.*,	ERROR,	Probe,	)"
                               "\r\n"))
      << trace;

  ZvDebug::TraceSetFileName(traceFile.c_str());
  ZvDebug::LogSetFileName(logFile.c_str());
}

TEST(TraceFormatTest, ComponentFiltersAndThresholds) {
  Properties table;
  ZvDebug::SetComponentLevelFilter(&table, ";;alpha,3;;Beta,1;default,0;gamma;,4;delta,,2;");
  EXPECT_EQ(table.GetCount(), 3);
  EXPECT_STREQ(table.GetProperty("alpha", nullptr, false), "3");
  EXPECT_STREQ(table.GetProperty("Beta", nullptr, false), "1");
  EXPECT_STREQ(table.GetProperty("delta", nullptr, false), "2");
  // Not cleared first: a second text adds and replaces.
  ZvDebug::SetComponentLevelFilter(&table, "alpha,5;epsilon,0");
  EXPECT_EQ(table.GetCount(), 4);
  EXPECT_STREQ(table.GetProperty("alpha", nullptr, false), "5");
  ZvDebug::SetComponentLevelFilter(nullptr, "alpha,1");
  ZvDebug::SetComponentLevelFilter(&table, nullptr);

  // Component entry (any case) first, then "native", then the global threshold.
  EXPECT_TRUE(ZvDebug::VerifyComponentLevel("ALPHA", &table, 0, 5));
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel("alpha", &table, 0, 4));
  EXPECT_TRUE(ZvDebug::VerifyComponentLevel("beta", &table, 9, 1));
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel("other", &table, 4, 3));
  EXPECT_TRUE(ZvDebug::VerifyComponentLevel("other", &table, 4, 4));
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel("other", &table, 8, 7));
  table.setProperty("Native", "6");
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel("other", &table, 0, 5));
  EXPECT_TRUE(ZvDebug::VerifyComponentLevel("JNI", &table, 0, 6));
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel(nullptr, &table, 0, 7));

  // Numbers past what an unsigned holds admit nothing, of either sign, instead of wrapping to a
  // small threshold (4294967296 would become 0, which admits everything).
  for (const char* huge :
       {"4294967296", "4294967298", "-99999999999999999999", "99999999999999999999999"}) {
    SCOPED_TRACE(huge);
    table.setProperty("huge", huge);
    EXPECT_FALSE(ZvDebug::VerifyComponentLevel("huge", &table, 0, 7));
  }
  EXPECT_FALSE(ZvDebug::VerifyComponentLevel("alpha", nullptr, 0, 7));
}

TEST(TraceFormatTest, DirectoriesAndAppendedMessages) {
  ScratchDirectory scratch;
  const std::string nested = scratch / "a/b/c";
  EXPECT_TRUE(ZvDebug::MkDirs(nested.c_str()));
  struct stat info {};
  ASSERT_EQ(stat(nested.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0700, 0700u);
  EXPECT_TRUE(ZvDebug::MkDirs((nested + "/").c_str()));
  EXPECT_TRUE(ZvDebug::MkDir(nested.c_str()));
  EXPECT_FALSE(ZvDebug::MkDirs(nullptr));
  EXPECT_FALSE(ZvDebug::MkDir(nullptr));
  WriteFile(scratch / "file", "x");
  EXPECT_FALSE(ZvDebug::MkDirs((scratch / "file/sub/dir").c_str()));

  const std::string log = scratch / "a/log.txt";
  EXPECT_TRUE(ZvDebug::WriteMessage(log.c_str(), "one\r\n"));
  EXPECT_TRUE(ZvDebug::WriteMessage(log.c_str(), "two\r\n"));
  EXPECT_EQ(ReadFile(log), "one\r\ntwo\r\n");
  EXPECT_FALSE(ZvDebug::WriteMessage("", "lost"));
  EXPECT_FALSE(ZvDebug::WriteMessage(nullptr, "lost"));
  EXPECT_FALSE(ZvDebug::WriteMessage(log.c_str(), nullptr));
}

// The formatted length comes back whether the trace is on (the text is written) or off (the
// text is only measured), for the directives formatted here and for those left to vsnprintf.
TEST(TraceFormatTest, TracerCutsTextAtItsBufferAndIgnoresNullFormats) {
  const std::string longText(5000, 'x');
  const unsigned wasEnabled = ZvDebug::TraceGetEnabled();
  for (unsigned enabled : {0u, 1u}) {
    SCOPED_TRACE(enabled);
    ZvDebug::TraceSetEnabled(enabled);
    EXPECT_EQ(CTracer::debugTrace("%s", longText.c_str()), 2047);
    EXPECT_EQ(CTracer::debugTrace("%d%%", 42), 3);
    EXPECT_EQ(CTracer::debugTrace("ab%ccd", 0), 2);
    EXPECT_EQ(CTracer::debugTrace("%5d|%x", 42, 255), 8);
    EXPECT_EQ(CTracer::vdebugTrace(nullptr, nullptr), 0);
  }
  ZvDebug::TraceSetEnabled(wasEnabled);
}

TEST(TraceFormatTest, SettersIgnoreOutOfRangeValuesAndComponentLevelsAreExactCase) {
  EXPECT_STREQ(GenericNative.GetFacility(), "Native");
  EXPECT_STREQ(JniNative.GetFacility(), "JNI");
  // No channel facilities are configured in this process.
  EXPECT_EQ(JniNative.GetTraceLevel(), 1);

  const unsigned logLevel = ZvDebug::LogGetLevel();
  const unsigned traceLimit = ZvDebug::TraceGetFileSizeLimit();
  ZvDebug::LogSetLevel(8);
  EXPECT_EQ(ZvDebug::LogGetLevel(), logLevel);
  ZvDebug::LogSetLevel(6);
  EXPECT_EQ(ZvDebug::LogGetLevel(), 6u);
  ZvDebug::TraceSetFileSizeLimit(0);
  EXPECT_EQ(ZvDebug::TraceGetFileSizeLimit(), traceLimit);

  ZvDebug::LogSetComponentLevel("UnitProbe", 3);
  EXPECT_EQ(ZvDebug::getLogFilterLevel("UnitProbe"), 3u);
  EXPECT_EQ(ZvDebug::getLogFilterLevel("unitprobe"), 6u);
  ZvDebug::LogSetLevel(logLevel);

  const std::string logFile = ZvDebug::LogGetFileName();
  std::string path = "/tmp/elsewhere.txt";
  ZvDebug::LogSetFileName(path.c_str());
  path[1] = 'x';
  EXPECT_STREQ(ZvDebug::LogGetFileName(), "/tmp/elsewhere.txt");
  ZvDebug::LogSetFileName(logFile.c_str());
}
