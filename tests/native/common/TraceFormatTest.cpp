#include <pthread.h>
#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "DebugTrace.h"
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

TEST(TraceFormatTest, TracerCutsTextAtItsBufferAndIgnoresNullFormats) {
  const std::string longText(5000, 'x');
  EXPECT_EQ(CTracer::debugTrace("%s", longText.c_str()), 2047);
  EXPECT_EQ(CTracer::debugTrace("%d%%", 42), 3);
  EXPECT_EQ(CTracer::vdebugTrace(nullptr, nullptr), 0);
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
