#include "script/ScriptClock.h"

namespace geckohost::script {

ScriptClock::Run::Run(ScriptClock& clock, int limitMs)
    : mClock(clock), mOutermost(!clock.mRunning) {
  if (!mOutermost)
    return;
  mClock.becomeIdle();
  mClock.mRunning = true;
  mClock.mLimitMs = limitMs > 0 ? limitMs : 0;
  if (limitMs > 0)
    mClock.mDeadline = mClock.mNow() + std::chrono::milliseconds(limitMs);
}

ScriptClock::Run::~Run() {
  if (mOutermost)
    mClock.becomeIdle();
}

ScriptClock::Wait::Wait(ScriptClock& clock)
    : mClock(clock), mSaved{clock.mRunning, clock.mStopped, clock.mLimitMs, std::nullopt} {
  if (clock.mDeadline)
    mSaved.remaining = *clock.mDeadline - clock.mNow();
  // Script entered from here on starts a run of its own.
  clock.becomeIdle();
}

ScriptClock::Wait::~Wait() {
  mClock.mRunning = mSaved.running;
  mClock.mStopped = mSaved.stopped;
  mClock.mLimitMs = mSaved.limitMs;
  mClock.mDeadline.reset();
  if (mSaved.remaining)
    mClock.mDeadline = mClock.mNow() + *mSaved.remaining;
}

void ScriptClock::becomeIdle() {
  mRunning = false;
  mStopped = false;
  mDeadline.reset();
}

bool ScriptClock::outOfTime() {
  if (!mStopped && mDeadline && mNow() >= *mDeadline)
    mStopped = true;
  return mStopped;
}

}  // namespace geckohost::script
