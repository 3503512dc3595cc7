// How long the script of one page has been running, so that the host can stop a script that
// runs too long, as Gecko 1.9.2 stops a slow script after dom.max_script_run_time (10 s).
//
// A run starts when the host enters script while none is running (a script element, a timer,
// an event, an evaluation) and ends when that entry returns; script entered from inside it (an
// event its code fires) belongs to the same run. The time spent waiting for a synchronous
// transfer does not count, and script entered while waiting (the transfer's own events) runs
// as a run of its own. Once a run is out of time it stays so until it ends: the engine keeps
// throwing until the host's call has returned.
//
//   ScriptClock clock;
//   {
//     ScriptClock::Run run(clock, 10000);
//     ... the engine asks clock.outOfTime() every so many instructions ...
//     { ScriptClock::Wait wait(clock); ... a synchronous transfer ... }
//   }
#ifndef GECKOHOST_SCRIPT_SCRIPTCLOCK_H
#define GECKOHOST_SCRIPT_SCRIPTCLOCK_H

#include <chrono>
#include <optional>

namespace geckohost::script {

class ScriptClock {
 public:
  using Time = std::chrono::steady_clock::time_point;
  using Now = Time (*)();

  // `now` reads the time; tests pass a clock of their own.
  explicit ScriptClock(Now now = &std::chrono::steady_clock::now) : mNow(now) {}
  ScriptClock(const ScriptClock&) = delete;
  ScriptClock& operator=(const ScriptClock&) = delete;

  // One entry into script. The outermost starts a run of at most `limitMs` milliseconds (none
  // for 0 or less); an entry inside a run changes nothing.
  class Run {
   public:
    Run(ScriptClock& clock, int limitMs);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

   private:
    ScriptClock& mClock;
    bool mOutermost;
  };

  // A wait inside a run that does not count towards its time.
  class Wait {
   public:
    explicit Wait(ScriptClock& clock);
    ~Wait();
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;

   private:
    struct Saved {
      bool running;
      bool stopped;
      int limitMs;
      std::optional<Time::duration> remaining;
    };
    ScriptClock& mClock;
    Saved mSaved;
  };

  // Whether the run has used up its time; once true, true until the run ends.
  bool outOfTime();
  // Whether the run was found out of time, and the limit it had.
  bool stopped() const { return mStopped; }
  int limitMs() const { return mLimitMs; }

 private:
  // No run, as before the first and between runs.
  void becomeIdle();

  Now mNow;
  bool mRunning = false;
  bool mStopped = false;
  int mLimitMs = 0;
  std::optional<Time> mDeadline;  // none outside a run, or for a run without a limit
};

}  // namespace geckohost::script

#endif
