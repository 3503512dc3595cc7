// The host's event loop, the counterpart of Gecko's main-thread event queue: timers (script's
// setTimeout and setInterval, deliveries of local transfers) and sources of outside work (the
// HTTP transfers' curl multi handle), all run on the thread that pumps the loop. Nothing here
// has a thread of its own; the loop runs only while the control API pumps it.
//
//   EventLoop loop;
//   loop.schedule(300, [] { ... });   // runs 300 ms from now, when the loop is pumped
//   loop.runUntilIdle(1000);          // runs it, then returns: nothing else is due
#ifndef GECKOHOST_LOOP_EVENTLOOP_H
#define GECKOHOST_LOOP_EVENTLOOP_H

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace geckohost {

class EventLoop {
 public:
  using Clock = std::chrono::steady_clock;
  using TaskId = uint64_t;

  // Outside work in flight (transfers). The loop polls a source while it is pending.
  class Source {
   public:
    virtual bool pending() const = 0;
    // Handles whatever is ready, waiting at most `waitMs` for something to become ready.
    virtual void poll(int waitMs) = 0;

   protected:
    ~Source() = default;
  };

  EventLoop() = default;
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // Runs `task` once `delayMs` (at least 0) have passed, after tasks due earlier and after
  // tasks due at the same time that were scheduled first. Ids are never 0.
  TaskId schedule(int64_t delayMs, std::function<void()> task);
  TaskId post(std::function<void()> task) { return schedule(0, std::move(task)); }
  // Forgets a task that has not run yet; no effect for one that ran or never was.
  void cancel(TaskId id);
  bool isScheduled(TaskId id) const { return mDueOf.count(id) > 0; }
  size_t scheduledCount() const { return mTasks.size(); }

  void addSource(Source& source);
  void removeSource(Source& source);

  // Runs until it is idle (no source pending, no task due before the timeout ends) or the
  // timeout has passed; answers whether it became idle.
  bool runUntilIdle(int timeoutMs);
  // Runs for `ms` milliseconds, whatever happens.
  void runFor(int ms);

 private:
  using Key = std::pair<Clock::time_point, TaskId>;

  // Runs the tasks due now; tasks they schedule for now run too.
  void runDueTasks();
  bool anySourcePending() const;
  // Polls the sources, or sleeps when none is pending, until `limit` at the latest.
  void waitUntil(Clock::time_point limit);

  std::map<Key, std::function<void()>> mTasks;
  std::map<TaskId, Clock::time_point> mDueOf;
  std::vector<Source*> mSources;  // weak; each source removes itself before it goes
  TaskId mLastId = 0;
};

}  // namespace geckohost

#endif
