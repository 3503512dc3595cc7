// What a page's script reaches of its host: the event loop its timers and requests run on, the
// network service its requests go through, and the loader its script elements' src come from.
// The host owns all three and closes every page before they go.
#ifndef GECKOHOST_SCRIPT_SCRIPTENVIRONMENT_H
#define GECKOHOST_SCRIPT_SCRIPTENVIRONMENT_H

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
};

}  // namespace script
}  // namespace geckohost

#endif
