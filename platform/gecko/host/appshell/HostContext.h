// What the windows, shells and widgets of one host share: the host's X connection, the loader
// of pages, the window mediator, the event loop, the network and what page script reaches of
// them. The host owns it and closes every window before it goes, so everything made from it
// may keep a plain reference.
#ifndef GECKOHOST_APPSHELL_HOSTCONTEXT_H
#define GECKOHOST_APPSHELL_HOSTCONTEXT_H

#include <string>

#include "PageLoader.h"
#include "WindowMediator.h"
#include "XConnection.h"
#include "loop/EventLoop.h"
#include "net/NetworkPolicy.h"
#include "net/NetworkService.h"
#include "nsCOMPtr.h"
#include "script/ScriptEnvironment.h"

namespace geckohost {

class HostContext {
 public:
  HostContext(x11::XConnection& connection, const PageTable& pages)
      : mConnection(connection),
        mLoader(pages, &mPolicy),
        mNetwork(mLoop, mLoader, mPolicy),
        mScriptEnvironment{mLoop, mNetwork, mLoader, {}, script::kDefaultScriptTimeLimitMs},
        mMediator(new WindowMediator()) {}
  HostContext(const HostContext&) = delete;
  HostContext& operator=(const HostContext&) = delete;

  x11::XConnection& connection() const { return mConnection; }
  const PageLoader& loader() const { return mLoader; }
  WindowMediator& mediator() const { return *mMediator; }
  EventLoop& loop() { return mLoop; }
  net::NetworkPolicy& networkPolicy() { return mPolicy; }
  script::ScriptEnvironment& scriptEnvironment() { return mScriptEnvironment; }

 private:
  x11::XConnection& mConnection;  // weak; the host's
  net::NetworkPolicy mPolicy;
  PageLoader mLoader;
  EventLoop mLoop;
  net::NetworkService mNetwork;
  script::ScriptEnvironment mScriptEnvironment;
  nsCOMPtr<WindowMediator> mMediator;
};

}  // namespace geckohost

#endif
