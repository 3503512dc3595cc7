// Hears how a transfer goes, in this order: responseStarted once, dataReceived for each piece
// of the body, then transferFinished; or transferFailed at any point, and nothing after. Calls
// come from the event loop (or, for a synchronous transfer, from inside the call that waits
// for it), never from inside the network library's own callbacks, so a listener may cancel
// its transfer or start another from any of them.
#ifndef GECKOHOST_NET_TRANSFERLISTENER_H
#define GECKOHOST_NET_TRANSFERLISTENER_H

#include <string>
#include <string_view>

#include "net/TransferRequest.h"

namespace geckohost::net {

class TransferListener {
 public:
  virtual void responseStarted(int status, const std::string& statusText,
                               const HeaderList& headers) = 0;
  virtual void dataReceived(std::string_view data) = 0;
  virtual void transferFinished() = 0;
  virtual void transferFailed(const std::string& reason) = 0;

 protected:
  ~TransferListener() = default;
};

}  // namespace geckohost::net

#endif
