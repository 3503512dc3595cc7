#include "script/ScriptClock.h"

namespace geckohost::script {

ScriptClock::Run::Run(ScriptClock& clock, int limitMs)
    : mClock(clock), mOutermost(!clock.mRunning) {
  if (!mOutermost)
    return;
  mClock.mRunning = true;
  mClock.mStopped = false;
  mClock.mLimitMs = limitMs > 0 ? limitMs : 0;
  mClock.mDeadline.reset();
  if (limitMs > 0)
    mClock.mDeadline = mClock.mNow() + std::chrono::milliseconds(limitMs);
}

ScriptClock::Run::~Run() {
  if (!mOutermost)
    return;
  mClock.mRunning = false;
  mClock.mStopped = false;
  mClock.mDeadline.reset();
}

ScriptClock::Wait::Wait(ScriptClock& clock)
    : mClock(clock), mSaved{clock.mRunning, clock.mStopped, clock.mLimitMs, std::nullopt} {
  if (clock.mDeadline)
    mSaved.remaining = *clock.mDeadline - clock.mNow();
  // Script entered from here on starts a run of its own.
  clock.mRunning = false;
  clock.mStopped = false;
  clock.mDeadline.reset();
}

ScriptClock::Wait::~Wait() {
  mClock.mRunning = mSaved.running;
  mClock.mStopped = mSaved.stopped;
  mClock.mLimitMs = mSaved.limitMs;
  mClock.mDeadline.reset();
  if (mSaved.remaining)
    mClock.mDeadline = mClock.mNow() + *mSaved.remaining;
}

bool ScriptClock::outOfTime() {
  if (!mStopped && mDeadline && mNow() >= *mDeadline)
    mStopped = true;
  return mStopped;
}

}  // namespace geckohost::script
