// The debug trace channel end to end: install options configure it, the child's level-function
// calls reach it, and the tests read its file and the child's standard error.

#include <string>

#include "TraceChildTest.h"

class DebugChannelTest : public TraceChildTest {
 protected:
  // An existing preference file keeps the first-start console line out of standard error.
  DebugChannelTest() { WritePreferences({{"enableTrace", "false"}}); }

  std::string DebugFile() const { return m_scratch / "debug.txt"; }

  // The channel writing to its file, with copies of the level functions and "Native" admitted
  // up to level 2 (Dbg, where CTracer's messages go), plus more options.
  void Configure(Entries more) {
    Entries options{{"tamarol.test.zv.debug.filename", DebugFile()},
                    {"tamarol.test.zv.debug.filter", "native,2"},
                    {"tamarol.test.zv.debug.enabled", "True"},
                    {"tamarol.test.zv.debug.native_to_file", "true"},
                    {"tamarol.test.zv.debug.back2pldebug", "TRUE"}};
    options.insert(options.end(), more.begin(), more.end());
    WriteInstallOptions(options);
  }
};

TEST_F(DebugChannelTest, DefaultFormatHasEveryField) {
  Configure({});
  const ChildResult result = Run({"trace", "boom"});
  const std::string line = ReadFile(DebugFile());
  EXPECT_TRUE(FullMatch(line, R"(\d{1,2}/\d{1,2}/\d\d  \d\d:\d\d:\d\d\.\d{3} [AP]M  )" +
                                  PidText(result.pid) +
                                  R"(  Dbg  Native  \[pthread=-?\d+\]  boom  )"
                                  "\n"))
      << line;
  EXPECT_EQ(result.err, "");
}

TEST_F(DebugChannelTest, FormatOptionPicksFieldsSkipsUnknownOnesAndMayRepeat) {
  Configure({{"tamarol.test.zv.debug.format", "DATE;bogus;msg"}});
  Run({"trace", "dated"});
  const std::string dated = ReadFile(DebugFile());
  EXPECT_TRUE(FullMatch(dated, R"(\d{1,2}/\d{1,2}/\d\d  dated  )"
                               "\n"))
      << dated;

  Configure({{"tamarol.test.zv.debug.format", "pid;pid"},
             {"tamarol.test.zv.debug.clear_on_init", "true"}});
  const ChildResult twice = Run({"trace", "ignored"});
  EXPECT_EQ(ReadFile(DebugFile()), PidText(twice.pid) + "  " + PidText(twice.pid) + "  \n");
}

TEST_F(DebugChannelTest, FacilityLevelsFallBackToDefault) {
  Configure({{"tamarol.test.zv.debug.filter", "NATIVE,1;default,3;zero,0"},
             {"tamarol.test.zv.debug.format", "severity;facility;msg"}});
  const ChildResult levels = Run({"channel-levels", "Native", "jni", "zero", "other"});
  EXPECT_EQ(Setting(levels.out, "channelLevel Native"), "1");
  EXPECT_EQ(Setting(levels.out, "channelLevel jni"), "3");
  EXPECT_EQ(Setting(levels.out, "channelLevel zero"), "3");
  EXPECT_EQ(Setting(levels.out, "channelLevel other"), "3");

  // Native passes levels 0 (Err) and 1 (Wrn); JNI, through "default", passes 3 as well.
  Run({"levels"});
  Run({"jni", "x"});
  EXPECT_EQ(ReadFile(DebugFile()),
            "Err  Native  exception 1  \n"
            "Err  Native  fatal 2  \n"
            "Err  Native  severe 3  \n"
            "Err  Native  error 4  \n"
            "Err  Native  Error 5  \n"
            "Wrn  Native  warning 6  \n"
            "Wrn  Native  Warning 7  \n"
            "     JNI  START - x  \n"
            "     JNI  END - x  \n");
}

TEST_F(DebugChannelTest, WithoutFacilitiesEveryFacilityIsAtOneAndNothingIsCopiedUnlessAsked) {
  WriteInstallOptions({{"tamarol.test.zv.debug.filename", DebugFile()},
                       {"tamarol.test.zv.debug.enabled", "true"},
                       {"tamarol.test.zv.debug.native_to_file", "true"},
                       {"tamarol.test.zv.debug.back2pldebug", "true"},
                       {"tamarol.test.zv.debug.format", "msg"}});
  const ChildResult levels = Run({"channel-levels", "anything"});
  EXPECT_EQ(Setting(levels.out, "channelLevel anything"), "1");
  // CTracer's messages go at level 2, past the level of 1.
  Run({"trace", "filtered"});
  EXPECT_FALSE(FileExists(DebugFile()));

  Configure(
      {{"tamarol.test.zv.debug.format", "msg"}, {"tamarol.test.zv.debug.back2pldebug", "no"}});
  Run({"levels"});
  EXPECT_FALSE(FileExists(DebugFile()));
}

TEST_F(DebugChannelTest, ConsoleCopiesIgnoreLevelAndEnabledButNeedAFileName) {
  Configure({{"tamarol.test.zv.debug.enabled", "false"},
             {"tamarol.test.zv.debug.native_to_console", "true"},
             {"tamarol.test.zv.debug.format", "severity;msg"}});
  const ChildResult console = Run({"levels"});
  EXPECT_FALSE(FileExists(DebugFile()));
  std::string expected;
  for (const char* line :
       {"Err  exception 1", "Err  fatal 2", "Err  severe 3", "Err  error 4", "Err  Error 5",
        "Wrn  warning 6", "Wrn  Warning 7", "Dbg  audit 8", "Dbg  info 9", "Dbg  debug 10",
        "Dbg  Debug 11", "Dbg  Trace 12", "     detail 13", "     Verbose 14", "     config 15"}) {
    expected += "DEBUG: " + std::string(line) + "  \n";
  }
  EXPECT_EQ(console.err, expected);

  WriteInstallOptions({{"tamarol.test.zv.debug.enabled", "true"},
                       {"tamarol.test.zv.debug.native_to_console", "true"},
                       {"tamarol.test.zv.debug.native_to_file", "true"},
                       {"tamarol.test.zv.debug.back2pldebug", "true"}});
  const ChildResult silent = Run({"levels"});
  EXPECT_EQ(silent.err, "");
  EXPECT_EQ(ListDirectory(m_scratch.path()), (std::vector<std::string>{"cwd", "home", "install"}));
}

TEST_F(DebugChannelTest, ClearOnInitEmptiesTheFile) {
  WriteFile(DebugFile(), "old line\n");
  Configure({{"tamarol.test.zv.debug.clear_on_init", "TRUE"},
             {"tamarol.test.zv.debug.back2pldebug", "false"}});
  Run({"levels"});
  EXPECT_TRUE(FileExists(DebugFile()));
  EXPECT_EQ(ReadFile(DebugFile()), "");
}
