// One cookie as the control API shows and seeds it. A domain cookie's host starts with a dot
// (".example.com") and is sent to that domain and its subdomains; any other cookie goes to its
// host alone.
#ifndef GECKOHOST_API_COOKIE_H
#define GECKOHOST_API_COOKIE_H

#include <cstdint>
#include <string>

namespace geckohost {

struct Cookie {
  std::string host;
  std::string path = "/";
  std::string name;
  std::string value;
  bool isDomain = false;
  uint64_t expires = 0;  // seconds since the epoch; 0 for a session cookie
};

}  // namespace geckohost

#endif
