#include "CookieStore.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

#include "net/URI.h"

namespace geckohost::cookies {

namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The directory of a page's path, as a cookie's default path: "/shop/cart.html" -> "/shop",
// "/index.html" and "" -> "/".
std::string defaultPath(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0)
    return "/";
  return path.substr(0, slash);
}

// "Wed, 09 Jun 2021 10:18:14 GMT" (the form every server sends) as seconds since the epoch.
std::optional<std::time_t> parseHttpDate(std::string_view text) {
  struct tm parts = {};
  std::string date(trimmed(text));
  const char* end = strptime(date.c_str(), "%a, %d %b %Y %H:%M:%S", &parts);
  if (!end)
    end = strptime(date.c_str(), "%a, %d-%b-%Y %H:%M:%S", &parts);
  if (!end)
    return std::nullopt;
  return timegm(&parts);
}

struct Attributes {
  std::optional<std::string> domain;
  std::optional<std::string> path;
  std::optional<std::time_t> expires;
  bool remove = false;
};

// "path=/a; domain=.example.com; max-age=60; expires=...": the attributes after the first
// pair; unknown ones are ignored, max-age wins over expires.
Attributes parseAttributes(std::string_view rest, std::time_t now) {
  Attributes attributes;
  std::optional<long long> maxAge;
  while (!rest.empty()) {
    size_t semicolon = rest.find(';');
    std::string_view part = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    size_t equals = part.find('=');
    std::string key = lowerCase(trimmed(part.substr(0, equals)));
    std::string_view value =
        equals == std::string_view::npos ? std::string_view() : trimmed(part.substr(equals + 1));
    if (key == "domain" && !value.empty()) {
      attributes.domain = lowerCase(value);
    } else if (key == "path" && !value.empty() && value.front() == '/') {
      attributes.path = std::string(value);
    } else if (key == "max-age" && !value.empty()) {
      char* end = nullptr;
      std::string number(value);
      long long seconds = std::strtoll(number.c_str(), &end, 10);
      if (end && *end == '\0')
        maxAge = seconds;
    } else if (key == "expires") {
      attributes.expires = parseHttpDate(value);
    }
  }
  if (maxAge) {
    attributes.remove = *maxAge <= 0;
    attributes.expires = attributes.remove ? std::nullopt : std::optional(now + *maxAge);
  } else if (attributes.expires && *attributes.expires <= now) {
    attributes.remove = true;
  }
  return attributes;
}

bool alive(const Cookie& cookie, std::time_t now) {
  return cookie.expires == 0 || static_cast<std::time_t>(cookie.expires) > now;
}

}  // namespace

void CookieStore::add(const Cookie& cookie) {
  for (Cookie& kept : mCookies) {
    if (kept.host == cookie.host && kept.path == cookie.path && kept.name == cookie.name) {
      kept = cookie;
      return;
    }
  }
  mCookies.push_back(cookie);
}

bool CookieStore::remove(std::string_view host, std::string_view name, std::string_view path) {
  auto found = std::find_if(mCookies.begin(), mCookies.end(), [&](const Cookie& cookie) {
    return cookie.host == host && cookie.name == name && cookie.path == path;
  });
  if (found == mCookies.end())
    return false;
  mCookies.erase(found);
  return true;
}

std::vector<Cookie> CookieStore::cookies(std::time_t now) const {
  std::vector<Cookie> live;
  for (const Cookie& cookie : mCookies) {
    if (alive(cookie, now))
      live.push_back(cookie);
  }
  return live;
}

bool CookieStore::hasCookies(const net::URI& url) {
  return (url.schemeIs("http") || url.schemeIs("https")) && !url.host().empty();
}

bool CookieStore::hostMatches(const Cookie& cookie, const std::string& host) {
  std::string cookieHost = lowerCase(cookie.host);
  if (!cookie.isDomain)
    return cookieHost == host;
  std::string domain = cookieHost[0] == '.' ? cookieHost.substr(1) : cookieHost;
  return host == domain || endsWith(host, "." + domain);
}

bool CookieStore::pathMatches(const std::string& cookiePath, const std::string& path) {
  if (path.compare(0, cookiePath.size(), cookiePath) != 0)
    return false;
  return path.size() == cookiePath.size() || cookiePath.back() == '/' ||
         path[cookiePath.size()] == '/';
}

std::string CookieStore::cookieStringFor(const net::URI& url, std::time_t now) const {
  if (!hasCookies(url))
    return std::string();
  std::string host = lowerCase(url.host());
  std::string path = url.filePath().empty() ? "/" : url.filePath();
  std::vector<const Cookie*> sent;
  for (const Cookie& cookie : mCookies) {
    if (alive(cookie, now) && hostMatches(cookie, host) && pathMatches(cookie.path, path))
      sent.push_back(&cookie);
  }
  std::stable_sort(sent.begin(), sent.end(), [](const Cookie* a, const Cookie* b) {
    return a->path.size() > b->path.size();
  });
  std::string line;
  for (const Cookie* cookie : sent) {
    if (!line.empty())
      line += "; ";
    line += cookie->name.empty() ? cookie->value : cookie->name + "=" + cookie->value;
  }
  return line;
}

bool CookieStore::setCookieStringFor(const net::URI& url, std::string_view line, std::time_t now) {
  if (!hasCookies(url))
    return false;
  size_t semicolon = line.find(';');
  std::string_view pair = trimmed(line.substr(0, semicolon));
  if (pair.empty())
    return false;
  Cookie cookie;
  size_t equals = pair.find('=');
  // A pair without "=" is a value without a name, as browsers of the time read it.
  cookie.name =
      equals == std::string_view::npos ? "" : std::string(trimmed(pair.substr(0, equals)));
  cookie.value =
      std::string(equals == std::string_view::npos ? pair : trimmed(pair.substr(equals + 1)));
  Attributes attributes = parseAttributes(
      semicolon == std::string_view::npos ? std::string_view() : line.substr(semicolon + 1), now);
  std::string host = lowerCase(url.host());
  if (attributes.domain) {
    std::string domain =
        (*attributes.domain)[0] == '.' ? attributes.domain->substr(1) : *attributes.domain;
    // A page may set a cookie for a domain it belongs to, never for another one, and never
    // for a top-level label alone.
    if (domain.empty() || domain.find('.') == std::string::npos ||
        !(host == domain || endsWith(host, "." + domain))) {
      return false;
    }
    cookie.host = "." + domain;
    cookie.isDomain = true;
  } else {
    cookie.host = host;
  }
  cookie.path = attributes.path ? *attributes.path : defaultPath(url.filePath());
  if (attributes.remove) {
    remove(cookie.host, cookie.name, cookie.path);
    return true;
  }
  cookie.expires = attributes.expires ? static_cast<uint64_t>(*attributes.expires) : 0;
  add(cookie);
  return true;
}

}  // namespace geckohost::cookies
