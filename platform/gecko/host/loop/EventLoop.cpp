#include "loop/EventLoop.h"

#include <algorithm>
#include <thread>

namespace geckohost {

namespace {

int millisecondsUntil(EventLoop::Clock::time_point limit) {
  auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(limit - EventLoop::Clock::now());
  return static_cast<int>(std::max<int64_t>(0, left.count()));
}

}  // namespace

EventLoop::TaskId EventLoop::schedule(int64_t delayMs, std::function<void()> task) {
  TaskId id = ++mLastId;
  Clock::time_point due = Clock::now() + std::chrono::milliseconds(std::max<int64_t>(0, delayMs));
  mTasks.emplace(Key{due, id}, std::move(task));
  mDueOf.emplace(id, due);
  return id;
}

void EventLoop::cancel(TaskId id) {
  auto found = mDueOf.find(id);
  if (found == mDueOf.end())
    return;
  mTasks.erase(Key{found->second, id});
  mDueOf.erase(found);
}

void EventLoop::addSource(Source& source) {
  if (std::find(mSources.begin(), mSources.end(), &source) == mSources.end())
    mSources.push_back(&source);
}

void EventLoop::removeSource(Source& source) {
  mSources.erase(std::remove(mSources.begin(), mSources.end(), &source), mSources.end());
}

void EventLoop::runDueTasks() {
  while (!mTasks.empty() && mTasks.begin()->first.first <= Clock::now()) {
    auto first = mTasks.begin();
    std::function<void()> task = std::move(first->second);
    mDueOf.erase(first->first.second);
    mTasks.erase(first);
    task();
  }
}

bool EventLoop::anySourcePending() const {
  return std::any_of(mSources.begin(), mSources.end(),
                     [](const Source* source) { return source->pending(); });
}

void EventLoop::waitUntil(Clock::time_point limit) {
  if (!mTasks.empty())
    limit = std::min(limit, mTasks.begin()->first.first);
  // A source may go while another is polled: poll a copy, checking membership again.
  std::vector<Source*> sources = mSources;
  bool polled = false;
  for (Source* source : sources) {
    bool stillThere = std::find(mSources.begin(), mSources.end(), source) != mSources.end();
    if (stillThere && source->pending()) {
      source->poll(polled ? 0 : millisecondsUntil(limit));
      polled = true;
    }
  }
  if (!polled)
    std::this_thread::sleep_until(limit);
}

bool EventLoop::runUntilIdle(int timeoutMs) {
  Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  for (;;) {
    runDueTasks();
    bool dueBeforeDeadline = !mTasks.empty() && mTasks.begin()->first.first <= deadline;
    if (!anySourcePending() && !dueBeforeDeadline)
      return true;
    if (Clock::now() >= deadline)
      return false;
    waitUntil(deadline);
  }
}

void EventLoop::runFor(int ms) {
  Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, ms));
  do {
    runDueTasks();
    waitUntil(deadline);
  } while (Clock::now() < deadline);
  runDueTasks();
}

}  // namespace geckohost
