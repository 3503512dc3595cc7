// Which hosts the browser may reach over the network. A host starts loopback-only, so that
// tests never leave the machine (nor ask a name server); the inspect tool opens it up.
#ifndef GECKOHOST_NET_NETWORKPOLICY_H
#define GECKOHOST_NET_NETWORKPOLICY_H

#include "NetworkAccess.h"

namespace geckohost::net {

class URI;

class NetworkPolicy {
 public:
  NetworkAccess access() const { return mAccess; }
  void setAccess(NetworkAccess access) { mAccess = access; }

  // Whether an http: or https: URL may be fetched: every one for Everywhere; for
  // LoopbackOnly, those naming 127.0.0.1, [::1] or localhost. Never other schemes.
  bool allows(const URI& url) const;

 private:
  NetworkAccess mAccess = NetworkAccess::LoopbackOnly;
};

}  // namespace geckohost::net

#endif
