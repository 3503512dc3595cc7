// The host's cookies, with the rules Firefox applies to them:
//
// - a cookie is identified by host, path and name; setting it again replaces it in place;
// - a page sees the cookies whose host matches its own (a domain cookie ".example.com" also
//   matches "www.example.com") and whose path is a prefix of its path on a "/" boundary,
//   longer paths first, then oldest first: "a=1; b=2";
// - a page sets cookies for its own host, or with a domain attribute for a domain it belongs
//   to; a path attribute chooses the path, else the directory of the page's path;
// - a cookie with an expiry in the past, or max-age 0 or less, removes the cookie it names.
//
// Only http and https pages have cookies.
#ifndef GECKOHOST_COOKIES_COOKIESTORE_H
#define GECKOHOST_COOKIES_COOKIESTORE_H

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "Cookie.h"

namespace geckohost {

namespace net {
class URI;
}

namespace cookies {

class CookieStore {
 public:
  // Adds `cookie`, or replaces the one with its host, path and name.
  void add(const Cookie& cookie);
  // Removes the cookie with that host, name and path; false when there is none.
  bool remove(std::string_view host, std::string_view name, std::string_view path);
  void clear() { mCookies.clear(); }
  // The cookies not yet expired at `now`, oldest first.
  std::vector<Cookie> cookies(std::time_t now) const;

  // The cookies a page at `url` sees, as document.cookie and the Cookie header give them.
  std::string cookieStringFor(const net::URI& url, std::time_t now) const;
  // Applies one cookie line (document.cookie assignment or Set-Cookie header value) of a page
  // at `url`: "id=7; path=/shop; max-age=60". False when it is refused.
  bool setCookieStringFor(const net::URI& url, std::string_view line, std::time_t now);

 private:
  static bool hasCookies(const net::URI& url);
  static bool hostMatches(const Cookie& cookie, const std::string& host);
  static bool pathMatches(const std::string& cookiePath, const std::string& path);

  std::vector<Cookie> mCookies;
};

}  // namespace cookies
}  // namespace geckohost

#endif
