// Several writers sharing one trace file: processes of their own and threads of one process,
// with the file rotated many times while they write. Every line must arrive whole, once.

#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TraceChildTest.h"

namespace {

const char* const kLinePattern =
    R"(\d{4}-\d\d-\d\d/\d\d:\d\d:\d\d\.000,	 *\d+:\[pthread=-?\d+\],	INFORMATION,	Native,	)"
    R"(burst (\d+-\d+-\d+) \.{40})";

}  // namespace

class TraceConcurrencyTest : public TraceChildTest {
 protected:
  TraceConcurrencyTest() {
    WritePreferences({{"enableTrace", "true"}, {"traceComponentLevelFilter", "native,2"}});
  }

  // Starts each argument list as a child at once, lets them all go together and waits.
  std::vector<ChildResult> RunTogether(const std::vector<std::vector<std::string>>& runs) {
    std::vector<ChildResult> results(runs.size());
    std::vector<std::thread> starters;
    for (size_t i = 0; i < runs.size(); ++i) {
      starters.emplace_back([this, &runs, &results, i] {
        results[i] = RunChild(NSHTML_TRACE_CHILD, runs[i], m_environment, WorkDir());
      });
    }
    WriteFile(WorkDir() + "/go", "");
    for (std::thread& starter : starters) {
      starter.join();
    }
    for (const ChildResult& result : results) {
      EXPECT_EQ(result.exitCode, 0) << result.err;
      EXPECT_EQ(result.err, "");
    }
    return results;
  }

  // The "<pid>-<thread>-<index>" of every burst line in the trace file and its backups; a line
  // that is not whole fails the test.
  std::multiset<std::string> BurstLines(size_t* backups) {
    std::multiset<std::string> ids;
    *backups = 0;
    for (const std::string& name : ListDirectory(ZavDir())) {
      if (name.compare(0, 9, "zav_trace") != 0) {
        continue;
      }
      *backups += name == "zav_trace.txt" ? 0 : 1;
      std::istringstream lines(ReadFile(ZavFile(name)));
      for (std::string line; std::getline(lines, line);) {
        const size_t id = line.find("burst ");
        if (!FullMatch(line, std::string(kLinePattern) + "\r") || id == std::string::npos) {
          ADD_FAILURE() << name << ": broken line '" << line << "'";
          continue;
        }
        ids.insert(line.substr(id + 6, line.find(' ', id + 6) - id - 6));
      }
    }
    return ids;
  }

  // Every id of writers x threads x count, each exactly once.
  void ExpectEveryLineOnce(const std::vector<ChildResult>& writers, int threads, int count) {
    size_t backups = 0;
    const std::multiset<std::string> ids = BurstLines(&backups);
    EXPECT_EQ(ids.size(), writers.size() * threads * count);
    int missing = 0;
    for (const ChildResult& writer : writers) {
      for (int thread = 0; thread < threads; ++thread) {
        for (int i = 0; i < count; ++i) {
          const std::string id =
              std::to_string(writer.pid) + "-" + std::to_string(thread) + "-" + std::to_string(i);
          missing += ids.count(id) == 1 ? 0 : 1;
        }
      }
    }
    EXPECT_EQ(missing, 0);
    // The limit of 16 KiB makes the writers rotate the file over and over.
    EXPECT_GT(backups, 20u);
  }
};

TEST_F(TraceConcurrencyTest, EightProcessesRotatingOneFileLoseNoLine) {
  const std::vector<std::string> burst{"burst", "2000", "16"};
  const std::vector<ChildResult> writers = RunTogether(std::vector(8, burst));
  ExpectEveryLineOnce(writers, 1, 2000);
}

TEST_F(TraceConcurrencyTest, ThreadsOfOneProcessAndSeveralProcessesTogetherLoseNoLine) {
  const std::vector<std::string> threaded{"burst", "1000", "16", "4"};
  const std::vector<ChildResult> writers = RunTogether(std::vector(3, threaded));
  ExpectEveryLineOnce(writers, 4, 1000);
}

TEST_F(TraceConcurrencyTest, DebugChannelLinesLongerThanAStreamBufferStayWhole) {
  const std::string debugFile = m_scratch / "debug.txt";
  WriteInstallOptions({{"tamarol.test.zv.debug.filename", debugFile},
                       {"tamarol.test.zv.debug.enabled", "true"},
                       {"tamarol.test.zv.debug.native_to_file", "true"},
                       {"tamarol.test.zv.debug.back2pldebug", "true"},
                       {"tamarol.test.zv.debug.format", "msg"}});
  const size_t length = 4500;
  const std::vector<std::string> burst{"channel-burst", "100", std::to_string(length)};
  const std::vector<ChildResult> writers = RunTogether(std::vector(6, burst));

  std::set<std::string> ids;
  std::istringstream lines(ReadFile(debugFile));
  int broken = 0;
  for (std::string line; std::getline(lines, line);) {
    const size_t colon = line.find(':');
    const bool whole = line.size() == length + 2 && colon != std::string::npos &&
                       line.find_first_not_of('x', colon + 1) == length &&
                       line.compare(length, 2, "  ") == 0;
    broken += whole ? 0 : 1;
    ids.insert(line.substr(0, colon));
  }
  EXPECT_EQ(broken, 0);
  EXPECT_EQ(ids.size(), 600u);
  for (const ChildResult& writer : writers) {
    EXPECT_EQ(ids.count(std::to_string(writer.pid) + "-99"), 1u);
  }
}
