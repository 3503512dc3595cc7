// SIGINT, SIGTERM and SIGHUP (a user's ^C, `timeout`, a closed terminal) run one clean-up
// function and then end the tool as the signal would have, so that whoever waits for it sees
// the signal, not an exit status the tool made up.
#ifndef TOOLS_INSPECT_TERMINATIONSIGNALS_H
#define TOOLS_INSPECT_TERMINATIONSIGNALS_H

class TerminationSignals {
 public:
  // `cleanup` runs inside the signal handler: it must be async-signal-safe.
  static void install(void (*cleanup)());
};

#endif
