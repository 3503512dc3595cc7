// How far a host's pages and requests may reach over HTTP (Host::setNetworkAccess).
#ifndef GECKOHOST_API_NETWORKACCESS_H
#define GECKOHOST_API_NETWORKACCESS_H

namespace geckohost {

enum class NetworkAccess {
  LoopbackOnly,  // 127.0.0.1, [::1] and localhost; other hosts fail as if unreachable
  Everywhere,
};

}  // namespace geckohost

#endif
