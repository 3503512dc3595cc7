// The clock that stops slow page script: a run's limit counted from its outermost entry, nested
// entries inside the same run, waits that do not count, and script entered while waiting timed
// on its own.
#include "script/ScriptClock.h"

#include <gtest/gtest.h>

using geckohost::script::ScriptClock;

namespace {

ScriptClock::Time gNow;

ScriptClock::Time fakeNow() {
  return gNow;
}

void at(int ms) {
  gNow = ScriptClock::Time() + std::chrono::milliseconds(ms);
}

TEST(ScriptClockTest, ARunIsStoppedAtItsLimitAndStaysStoppedUntilItEnds) {
  ScriptClock clock(&fakeNow);
  at(0);
  EXPECT_FALSE(clock.outOfTime());  // no script running
  {
    ScriptClock::Run run(clock, 100);
    at(60);
    {
      ScriptClock::Run nested(clock, 100);  // an event fired by the running script
      at(99);
      EXPECT_FALSE(clock.outOfTime());
    }
    at(100);
    EXPECT_TRUE(clock.outOfTime());
    EXPECT_TRUE(clock.stopped());
    EXPECT_EQ(clock.limitMs(), 100);
    {
      ScriptClock::Run nested(clock, 100);  // entering again does not restart a stopped run
      EXPECT_TRUE(clock.outOfTime());
    }
    EXPECT_TRUE(clock.outOfTime());
  }
  EXPECT_FALSE(clock.stopped());
  at(5000);
  EXPECT_FALSE(clock.outOfTime());
  {
    ScriptClock::Run next(clock, 100);  // the next run has its own time
    at(5099);
    EXPECT_FALSE(clock.outOfTime());
    at(5100);
    EXPECT_TRUE(clock.outOfTime());
  }
}

TEST(ScriptClockTest, ARunWithoutALimitIsNeverStopped) {
  ScriptClock clock(&fakeNow);
  for (int limit : {0, -1}) {
    at(0);
    ScriptClock::Run run(clock, limit);
    at(1000000);
    EXPECT_FALSE(clock.outOfTime()) << limit;
    EXPECT_EQ(clock.limitMs(), 0);
  }
}

TEST(ScriptClockTest, AWaitDoesNotCountAndScriptEnteredWhileWaitingIsTimedOnItsOwn) {
  ScriptClock clock(&fakeNow);
  at(0);
  ScriptClock::Run run(clock, 100);
  at(60);
  {
    ScriptClock::Wait wait(clock);
    at(1000);
    EXPECT_FALSE(clock.outOfTime());
    {
      ScriptClock::Run transferEvent(clock, 100);
      at(1099);
      EXPECT_FALSE(clock.outOfTime());
      at(1100);
      EXPECT_TRUE(clock.outOfTime());
    }
    at(2000);
    EXPECT_FALSE(clock.outOfTime());  // the event's stop is not the waiting script's
  }
  // 40 ms were left when the wait began.
  at(2039);
  EXPECT_FALSE(clock.outOfTime());
  at(2040);
  EXPECT_TRUE(clock.outOfTime());
}

}  // namespace
