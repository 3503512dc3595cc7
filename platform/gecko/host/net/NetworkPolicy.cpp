#include "net/NetworkPolicy.h"

#include "net/URI.h"

namespace geckohost::net {

bool NetworkPolicy::allows(const URI& url) const {
  if (!url.schemeIs("http") && !url.schemeIs("https"))
    return false;
  if (mAccess == NetworkAccess::Everywhere)
    return true;
  const std::string& host = url.host();
  return host == "127.0.0.1" || host == "localhost" || host == "[::1]" || host == "::1";
}

}  // namespace geckohost::net
