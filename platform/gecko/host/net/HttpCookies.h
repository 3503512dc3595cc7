// What the host's cookie jar (the one document.cookie and the cookie manager share) adds to an
// HTTP request and takes from its response, so that cookies set by a server reach the page and
// the agent, and cookies set by either go back to the server.
//
//   HttpCookies::requestHeader("http://127.0.0.1:8080/a")        "Cookie: id=7" or ""
//   HttpCookies::takeResponseHeader(url, "Set-Cookie", "id=7; path=/")
#ifndef GECKOHOST_NET_HTTPCOOKIES_H
#define GECKOHOST_NET_HTTPCOOKIES_H

#include <string>

namespace geckohost::net {

class HttpCookies {
 public:
  // The Cookie header for a request to `url`; empty without a jar or a cookie for it.
  static std::string requestHeader(const std::string& url);
  // Stores the cookie of a Set-Cookie header (any case) that a response from `url` carried;
  // other headers are left alone.
  static void takeResponseHeader(const std::string& url, const std::string& name,
                                 const std::string& value);
};

}  // namespace geckohost::net

#endif
