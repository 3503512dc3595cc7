#include "script/TimerTable.h"

#include <algorithm>
#include <string>

#include "dom/Document.h"
#include "script/ScriptHeap.h"
#include "script/ScriptValues.h"

namespace geckohost::script {

namespace {

const char kTimers[] = "timers";

// Pushes stash.timers, making it on first use.
void pushTimerCallbacks(duk_context* ctx) {
  duk_push_heap_stash(ctx);
  if (!duk_get_prop_string(ctx, -1, kTimers)) {
    duk_pop(ctx);
    duk_push_object(ctx);
    duk_dup(ctx, -1);
    duk_put_prop_string(ctx, -3, kTimers);
  }
  duk_remove(ctx, -2);
}

}  // namespace

int TimerTable::add(duk_context* ctx, bool repeat) {
  duk_idx_t count = duk_get_top(ctx);
  int id = ++mLastId;
  // [callback, arguments...] under the id.
  pushTimerCallbacks(ctx);
  duk_push_array(ctx);
  duk_dup(ctx, 0);
  duk_put_prop_index(ctx, -2, 0);
  for (duk_idx_t i = 2; i < count; ++i) {
    duk_dup(ctx, i);
    duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i - 1));
  }
  duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(id));
  duk_pop(ctx);
  int delay = count > 1 ? duk_to_int(ctx, 1) : 0;
  Timer& timer = mTimers[id];
  timer = Timer{0, std::max(delay, kMinimumDelayMs), repeat};
  schedule(id, timer);
  return id;
}

void TimerTable::schedule(int id, Timer& timer) {
  timer.task = mHeap.environment().loop.schedule(timer.delayMs, [this, id] { fire(id); });
}

void TimerTable::remove(int id) {
  auto found = mTimers.find(id);
  if (found == mTimers.end())
    return;
  mHeap.environment().loop.cancel(found->second.task);
  mTimers.erase(found);
  forgetCallback(id);
}

void TimerTable::cancelAll() {
  for (auto& [id, timer] : mTimers)
    mHeap.environment().loop.cancel(timer.task);
  mTimers.clear();
}

void TimerTable::forgetCallback(int id) {
  duk_context* ctx = mHeap.context();
  pushTimerCallbacks(ctx);
  duk_del_prop_index(ctx, -1, static_cast<duk_uarridx_t>(id));
  duk_pop(ctx);
}

// An interval is scheduled again before its callback runs, so that the callback may clear it.
void TimerTable::fire(int id) {
  auto found = mTimers.find(id);
  if (found == mTimers.end())
    return;
  bool repeat = found->second.repeat;
  if (repeat) {
    schedule(id, found->second);
  } else {
    mTimers.erase(found);
  }
  duk_context* ctx = mHeap.context();
  pushTimerCallbacks(ctx);
  duk_get_prop_index(ctx, -1, static_cast<duk_uarridx_t>(id));
  duk_remove(ctx, -2);  // [entry]
  duk_get_prop_index(ctx, -1, 0);
  if (duk_is_function(ctx, -1)) {
    duk_push_heapptr(ctx, mHeap.globalObject());
    duk_size_t length = duk_get_length(ctx, -3);
    for (duk_size_t i = 1; i < length; ++i)
      duk_get_prop_index(ctx, -3 - static_cast<duk_idx_t>(i - 1), static_cast<duk_uarridx_t>(i));
    mHeap.callReportingErrors(static_cast<duk_idx_t>(length - 1));
    duk_pop_2(ctx);
  } else if (duk_is_string(ctx, -1)) {
    std::u16string code = toU16(ctx, -1);
    duk_pop_2(ctx);
    mHeap.run(code, mHeap.document().url().spec());
  } else {
    duk_pop_2(ctx);
  }
  if (!repeat)
    forgetCallback(id);
}

}  // namespace geckohost::script
