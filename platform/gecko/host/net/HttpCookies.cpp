#include "net/HttpCookies.h"

#include <strings.h>

#include "dom/CookieJar.h"
#include "dom/DOMStrings.h"
#include "net/URI.h"

namespace geckohost::net {

std::string HttpCookies::requestHeader(const std::string& url) {
  dom::CookieJar* jar = dom::CookieJar::installed();
  std::optional<URI> parsed = URI::parse(url);
  if (!jar || !parsed)
    return std::string();
  std::string cookies = dom::utf16ToUTF8(jar->cookieStringFor(*parsed));
  return cookies.empty() ? std::string() : "Cookie: " + cookies;
}

void HttpCookies::takeResponseHeader(const std::string& url, const std::string& name,
                                     const std::string& value) {
  if (strcasecmp(name.c_str(), "Set-Cookie") != 0)
    return;
  dom::CookieJar* jar = dom::CookieJar::installed();
  std::optional<URI> parsed = URI::parse(url);
  if (jar && parsed)
    jar->setCookieStringFor(*parsed, dom::utf8ToUTF16(value));
}

}  // namespace geckohost::net
