// What a page's script reaches of its host: the event loop its timers and requests run on, the
// network service its requests go through, the loader its script elements' src come from, and
// the browser's dialogs its alert, confirm and prompt open. The host owns them and closes
// every page before they go. Script running longer than its time limit is stopped.
#ifndef GECKOHOST_SCRIPT_SCRIPTENVIRONMENT_H
#define GECKOHOST_SCRIPT_SCRIPTENVIRONMENT_H

#include "script/PageDialogs.h"

namespace geckohost {

class EventLoop;
class PageLoader;

namespace net {
class NetworkService;
}

namespace script {

// Gecko 1.9.2's dom.max_script_run_time.
constexpr int kDefaultScriptTimeLimitMs = 10000;

struct ScriptEnvironment {
  EventLoop& loop;
  net::NetworkService& network;
  const PageLoader& loader;
  PageDialogHandler dialogs;                          // empty: the calls are logged and dismissed
  int scriptTimeLimitMs = kDefaultScriptTimeLimitMs;  // 0: no limit
};

}  // namespace script
}  // namespace geckohost

#endif
