#include "NSHtmlCookies.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "nsCOMPtr.h"
#include "nsICookie.h"
#include "nsICookieManager.h"
#include "nsISimpleEnumerator.h"
#include "nsServiceManagerUtils.h"
#include "nsStringAPI.h"

namespace {

const char kHttpPrefix[] = "http://";

void dropTrailingSlash(std::string& text) {
  if (!text.empty() && text.back() == '/')
    text.pop_back();
}

struct CookieKey {
  nsCString_external host;
  nsCString_external name;
  nsCString_external path;

  bool operator==(const CookieKey& other) const {
    return host.Equals(other.host) && name.Equals(other.name) && path.Equals(other.path);
  }
};

// Finds the first cookie that matches; false when the store has none (or cannot be read).
bool findMatchingCookie(nsICookieManager* manager, const char* url, bool partial, bool all,
                        CookieKey& found) {
  nsCOMPtr<nsISimpleEnumerator> cookies;
  if (NS_FAILED(manager->GetEnumerator(getter_AddRefs(cookies))) || !cookies)
    return false;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(cookies->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    cookies->GetNext(getter_AddRefs(next));
    nsCOMPtr<nsICookie> cookie = do_QueryInterface(next);
    if (!cookie)
      continue;
    CookieKey key;
    cookie->GetHost(key.host);
    cookie->GetPath(key.path);
    cookie->GetName(key.name);
    bool matches = all;
    if (!matches) {
      nsCString_external hostAndPath(key.host);
      hostAndPath.Append(key.path);
      matches = cookieCompare(url, key.host.get(), partial) ||
                cookieCompare(url, hostAndPath.get(), partial);
    }
    if (matches) {
      found = key;
      return true;
    }
  }
  return false;
}

}  // namespace

bool cookieCompare(const char* url, const char* cookieSite, bool partial) {
  if (!url || !cookieSite)
    return false;
  std::string wanted(url);
  std::string site(cookieSite);
  if (wanted.compare(0, strlen(kHttpPrefix), kHttpPrefix) == 0) {
    wanted.erase(0, strlen(kHttpPrefix));
  }
  dropTrailingSlash(wanted);
  dropTrailingSlash(site);
  if (partial)
    return strstr(site.c_str(), wanted.c_str()) != nullptr;
  return strcasecmp(wanted.c_str(), site.c_str()) == 0;
}

int cookieSmasher(const char* url, bool partial, bool all, char* message) {
  bool deleted = false;
  if (all || url) {
    nsCOMPtr<nsICookieManager> manager = do_GetService(NS_COOKIEMANAGER_CONTRACTID);
    CookieKey key;
    CookieKey removed;
    while (manager && findMatchingCookie(manager, url, partial, all, key)) {
      // A store that keeps a cookie it said it removed would have us loop forever.
      if (deleted && key == removed)
        break;
      if (NS_FAILED(manager->Remove(key.host, key.name, key.path, PR_FALSE)))
        break;
      removed = key;
      deleted = true;
    }
  }
  if (deleted || all)
    return 0;
  if (message)
    sprintf(message, "Cookie Not Found: %s", url ? url : "");
  return 1;
}
