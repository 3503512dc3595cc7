// What a page's script reaches of its host: the event loop its timers and requests run on, the
// network service its requests go through, the loader its script elements' src come from, and
// the browser's dialogs its alert, confirm and prompt open. The host owns them and closes
// every page before they go.
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

struct ScriptEnvironment {
  EventLoop& loop;
  net::NetworkService& network;
  const PageLoader& loader;
  PageDialogHandler dialogs;  // empty: the calls are logged and dismissed
};

}  // namespace script
}  // namespace geckohost

#endif
