// What the windows, shells and widgets of one host share: the host's X connection, the loader
// of pages, the window mediator and the home page. The host owns it and closes every window
// before it goes, so everything made from it may keep a plain reference.
#ifndef GECKOHOST_APPSHELL_HOSTCONTEXT_H
#define GECKOHOST_APPSHELL_HOSTCONTEXT_H

#include <string>

#include "PageLoader.h"
#include "WindowMediator.h"
#include "XConnection.h"
#include "nsCOMPtr.h"

namespace geckohost {

class HostContext {
 public:
  HostContext(x11::XConnection& connection, const PageTable& pages)
      : mConnection(connection), mLoader(pages), mMediator(new WindowMediator()) {}
  HostContext(const HostContext&) = delete;
  HostContext& operator=(const HostContext&) = delete;

  x11::XConnection& connection() const { return mConnection; }
  const PageLoader& loader() const { return mLoader; }
  WindowMediator& mediator() const { return *mMediator; }

 private:
  x11::XConnection& mConnection;  // weak; the host's
  PageLoader mLoader;
  nsCOMPtr<WindowMediator> mMediator;
};

}  // namespace geckohost

#endif
