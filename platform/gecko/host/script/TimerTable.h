// A page's timers (setTimeout, setInterval) on the host's event loop. The callbacks live in the
// heap stash under the timer's id until the timer is done or cleared; every timer still
// scheduled is cancelled when the page goes. Delays below 10 ms count as 10 ms, as in Gecko
// 1.9.2; timers due at the same time run in the order they were set.
#ifndef GECKOHOST_SCRIPT_TIMERTABLE_H
#define GECKOHOST_SCRIPT_TIMERTABLE_H

#include <duktape.h>

#include <map>

#include "loop/EventLoop.h"

namespace geckohost::script {

class ScriptHeap;

class TimerTable {
 public:
  static constexpr int kMinimumDelayMs = 10;

  explicit TimerTable(ScriptHeap& heap) : mHeap(heap) {}
  ~TimerTable() { cancelAll(); }
  TimerTable(const TimerTable&) = delete;
  TimerTable& operator=(const TimerTable&) = delete;

  // Sets a timer from the arguments of the running native call: callback (a function, or code
  // text), delay, then arguments for the callback. Answers its id (from 1).
  int add(duk_context* ctx, bool repeat);
  void remove(int id);
  void cancelAll();
  size_t count() const { return mTimers.size(); }

 private:
  struct Timer {
    EventLoop::TaskId task;
    int delayMs;
    bool repeat;
  };

  void schedule(int id, Timer& timer);
  void fire(int id);
  void forgetCallback(int id);

  ScriptHeap& mHeap;  // weak; the heap owns us
  std::map<int, Timer> mTimers;
  int mLastId = 0;
};

}  // namespace geckohost::script

#endif
