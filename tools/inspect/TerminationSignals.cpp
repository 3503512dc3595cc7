#include "TerminationSignals.h"

#include <signal.h>

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void (*s_cleanup)() = nullptr;

void cleanUpAndDie(int signalNumber) {
  if (s_cleanup)
    s_cleanup();
  // Default action again, and the same signal: the process dies of it. It is blocked while
  // this handler runs, so it arrives as soon as the handler returns.
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

}  // namespace

void TerminationSignals::install(void (*cleanup)()) {
  s_cleanup = cleanup;
  struct sigaction action = {};
  action.sa_handler = cleanUpAndDie;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : kSignals) {
    sigaddset(&action.sa_mask, signalNumber);  // one clean-up at a time
  }
  for (int signalNumber : kSignals) {
    // A signal the tool was started to ignore (nohup, a background job) stays ignored.
    struct sigaction before = {};
    sigaction(signalNumber, nullptr, &before);
    if (before.sa_handler != SIG_IGN)
      sigaction(signalNumber, &action, nullptr);
  }
}
